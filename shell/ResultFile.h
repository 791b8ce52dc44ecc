#pragma once

#include "platform/FileOps.h"

#include <QString>

#include <string>

namespace rewrix {

// The file the rich page's article is saved to, in the program's directory.
QString ResultFilePath(const QString& programDir);

// The article as the file holds it: code page 936 where the character exists
// there (the euro sign as 0x80), else its GB18030 sequence, so that nothing is
// lost and readers of code page 936 read every character they can; then CR LF.
std::string ResultFileBytes(const QString& html);

// Replaces the result file with the article in one step, so that a failed save
// leaves the previous file whole. Returns the empty string on success, else the
// reason, for the user.
QString WriteResultFile(const QString& programDir, const QString& html);

// For tests: while it lives, the result file is written through `ops`, which
// can fail where root would not (full disks, unwritable folders).
class ScopedResultFileOps {
public:
    explicit ScopedResultFileOps(platform::FileOps& ops);
    ~ScopedResultFileOps();
    ScopedResultFileOps(const ScopedResultFileOps&) = delete;
    ScopedResultFileOps& operator=(const ScopedResultFileOps&) = delete;

private:
    platform::FileOps* previous_;
};

} // namespace rewrix
