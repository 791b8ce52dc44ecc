#pragma once

#include <QChar>
#include <QString>

// The access key a caption marks with "&" (in lower case), or a null QChar
// when it marks none. "&&" stands for a literal ampersand.
namespace rewrix {

QChar AccessKeyOf(const QString& caption);

} // namespace rewrix
