#pragma once

#include <vector>

namespace rewrix {

// The button's published interface as a property browser shows it: each
// property, event and method in the published order, with its description
// and, for a few properties, the category it is grouped under.
struct lumobuttonMember {
    const char* name;
    const char* description; // null when none is published
    const char* category;    // null when ungrouped
    int number = 0;          // events only: the number it is raised with
};

const std::vector<lumobuttonMember>& lumobuttonPublishedProperties();
const std::vector<lumobuttonMember>& lumobuttonPublishedEvents();
const std::vector<lumobuttonMember>& lumobuttonPublishedMethods();

} // namespace rewrix
