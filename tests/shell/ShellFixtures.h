#pragma once

// A program directory of the test's own and a window built on it, with every
// address on 127.0.0.1.

#include "shell/FrmMain.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/ShippedProgramFiles.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <memory>
#include <ostream>

// Readable failures for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace shelltest {

// A program directory with the shipped editor page and skin and, unless told
// otherwise, a small dictionary.
class ProgramDir {
public:
    enum Dictionary { Small, Empty, Missing };

    explicit ProgramDir(Dictionary dictionary = Small) {
        rewrix::test::PrepareProgramDir(path());
        if (dictionary == Small)
            Write(QStringLiteral("data/dict.dict"), "\xc3\xc0\xc0\xf6|\xc6\xaf\xc1\xc1\r\n");
        else if (dictionary == Empty)
            Write(QStringLiteral("data/dict.dict"), QByteArray());
    }

    QString path() const { return dir_.path(); }

    void Write(const QString& relative, const QByteArray& bytes) {
        QFile file(path() + QLatin1Char('/') + relative);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
    }

    // Settings for a window on this directory; the announcement and the product
    // page point at closed ports on 127.0.0.1 unless the test says otherwise.
    rewrix::FrmMainSettings
    Settings(std::chrono::milliseconds giveUp = std::chrono::seconds(5)) const {
        rewrix::FrmMainSettings s;
        s.programDir = path();
        s.productPage = ClosedAddress(QStringLiteral("/software/wyc/wyc.html"));
        s.announcement = ClosedAddress(QStringLiteral("/software/wyc/info.txt"));
        s.announcementGiveUp = giveUp;
        return s;
    }

private:
    QTemporaryDir dir_;
};

} // namespace shelltest
