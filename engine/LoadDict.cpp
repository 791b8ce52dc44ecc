#include "engine/LoadDict.h"

#include "engine/LineBreaks.h"
#include "textio/FSO.h"

namespace rewrix::engine {

DictTable LoadDict(const std::filesystem::path& path) {
    std::u16string text;
    {
        textio::FSO reader;
        reader.OpenFile(path); // a failed read leaves the text empty
        text = reader.GetFileText();
    }
    text = ClearVBCRlF(text, kCrLf);
    if (text.empty()) {
        return {};
    }
    std::vector<std::u16string_view> lines = SplitPieces(text, kCrLf);
    std::vector<DictTable::Entry> entries(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::u16string_view line = lines[i];
        std::size_t bar = line.find(u'|');
        if (bar == std::u16string_view::npos) {
            entries[i].word = line;
            continue;
        }
        entries[i].word = line.substr(0, bar);
        std::u16string_view rest = line.substr(bar + 1);
        entries[i].replacement = rest.substr(0, rest.find(u'|')); // further fields are ignored
    }
    DictTable table(std::move(entries));
    table.Automaton(); // built here, once, rather than on the first rewrite
    return table;
}

} // namespace rewrix::engine
