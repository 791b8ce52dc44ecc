#include "shell/FormLayout.h"

#include "toolkit/Rounding.h"

#include <QStringList>

namespace rewrix {

namespace {

const QStringList kPlacementKeys = {QStringLiteral("Left"), QStringLiteral("Top"),
                                    QStringLiteral("Width"), QStringLiteral("Height"),
                                    QStringLiteral("TabIndex")};

std::optional<LayoutControl> Fail(QString* error, int line, const QString& why) {
    if (error != nullptr)
        *error = QStringLiteral("line %1: %2").arg(line).arg(why);
    return std::nullopt;
}

} // namespace

int TwipsToPixels(int twips) {
    return RoundHalfEven(static_cast<double>(twips) / 15.0);
}

int LayoutControl::number(const QString& key, int fallback) const {
    return values.ReadProperty(key, static_cast<std::int32_t>(fallback)).value_or(fallback);
}

QString LayoutControl::text(const QString& key, const QString& fallback) const {
    return values.ReadProperty(key, fallback).value_or(fallback);
}

QRect LayoutControl::pixelRect() const {
    return QRect(TwipsToPixels(number(QStringLiteral("Left"), 0)),
                 TwipsToPixels(number(QStringLiteral("Top"), 0)),
                 TwipsToPixels(number(QStringLiteral("Width"), 0)),
                 TwipsToPixels(number(QStringLiteral("Height"), 0)));
}

int LayoutControl::tabIndex() const {
    return number(QStringLiteral("TabIndex"), -1);
}

PropertyBag LayoutControl::storedProperties() const {
    PropertyBag bag = values;
    for (const QString& key : kPlacementKeys)
        bag.remove(key);
    return bag;
}

std::optional<LayoutControl> ParseFormLayout(const QString& text, QString* error) {
    // Blocks still open, innermost last, each with the text of its values.
    struct Open {
        LayoutControl control;
        QString values;
    };
    std::vector<Open> open;
    std::optional<LayoutControl> window;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNumber = i + 1;
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QStringLiteral("Begin "))) {
            const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
            if (words.size() != 3)
                return Fail(error, lineNumber, QStringLiteral("expected Begin <kind> <name>"));
            if (window)
                return Fail(error, lineNumber, QStringLiteral("a second window"));
            Open block;
            block.control.kind = words[1];
            block.control.name = words[2];
            block.control.line = lineNumber;
            open.push_back(std::move(block));
            continue;
        }
        if (line == QStringLiteral("End")) {
            if (open.empty())
                return Fail(error, lineNumber, QStringLiteral("End without Begin"));
            Open done = std::move(open.back());
            open.pop_back();
            done.control.values = PropertyBag::fromText(done.values);
            for (const auto& entry : done.control.values.entries()) {
                if (std::holds_alternative<Unreadable>(entry.value))
                    return Fail(error, done.control.line,
                                QStringLiteral("%1: unreadable value of %2")
                                    .arg(done.control.name, entry.key));
            }
            if (open.empty())
                window = std::move(done.control);
            else
                open.back().control.children.push_back(std::move(done.control));
            continue;
        }
        if (open.empty())
            return Fail(error, lineNumber, QStringLiteral("a value outside any block"));
        if (!line.contains(QLatin1Char('=')))
            return Fail(error, lineNumber, QStringLiteral("expected Key = value"));
        open.back().values += line + QLatin1Char('\n');
    }
    if (!open.empty())
        return Fail(error, open.back().control.line,
                    QStringLiteral("%1 has no End").arg(open.back().control.name));
    if (!window)
        return Fail(error, 1, QStringLiteral("no window"));
    return window;
}

} // namespace rewrix
