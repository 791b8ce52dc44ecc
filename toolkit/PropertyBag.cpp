#include "toolkit/PropertyBag.h"

#include <QStringList>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace rewrix {
namespace {

// Numbers stored as text convert the way a loose stored layout would expect ("12", " -3 ").
std::optional<std::int64_t> WholeNumberOf(const PropertyBag::Value& v) {
    if (auto p = std::get_if<std::int32_t>(&v))
        return *p;
    if (auto p = std::get_if<std::int16_t>(&v))
        return *p;
    if (auto p = std::get_if<QString>(&v)) {
        bool ok = false;
        const double d = p->trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(d))
            return std::nullopt;
        const double r = std::nearbyint(d);
        if (std::fabs(r) > 9.0e15)
            return std::nullopt;
        return static_cast<std::int64_t>(r);
    }
    return std::nullopt;
}

template <typename T> std::optional<T> InRange(std::optional<std::int64_t> n) {
    if (!n || *n < std::numeric_limits<T>::min() || *n > std::numeric_limits<T>::max())
        return std::nullopt;
    return static_cast<T>(*n);
}

QString Escaped(const QString& s) {
    QString out;
    out.reserve(s.size() + 2);
    out += QLatin1Char('"');
    for (QChar c : s) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\')) {
            out += QLatin1Char('\\');
            out += c;
        } else if (c == QLatin1Char('\n')) {
            out += QStringLiteral("\\n");
        } else if (c == QLatin1Char('\r')) {
            out += QStringLiteral("\\r");
        } else {
            out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

// Reads a quoted string starting at `pos`; on success `pos` is just past the closing quote.
std::optional<QString> Unescaped(const QString& s, qsizetype& pos) {
    if (pos >= s.size() || s[pos] != QLatin1Char('"'))
        return std::nullopt;
    QString out;
    for (++pos; pos < s.size(); ++pos) {
        const QChar c = s[pos];
        if (c == QLatin1Char('"')) {
            ++pos;
            return out;
        }
        if (c == QLatin1Char('\\')) {
            if (++pos >= s.size())
                return std::nullopt;
            const QChar e = s[pos];
            if (e == QLatin1Char('n'))
                out += QLatin1Char('\n');
            else if (e == QLatin1Char('r'))
                out += QLatin1Char('\r');
            else
                out += e;
        } else {
            out += c;
        }
    }
    return std::nullopt;
}

std::optional<PropertyBag::Value> ParseValue(const QString& text) {
    const QString t = text.trimmed();
    if (t.startsWith(QLatin1Char('"'))) {
        qsizetype pos = 0;
        auto s = Unescaped(t, pos);
        if (!s || pos != t.size())
            return std::nullopt;
        return PropertyBag::Value{*s};
    }
    if (t.startsWith(QStringLiteral("font(")) && t.endsWith(QLatin1Char(')'))) {
        qsizetype pos = 5;
        auto face = Unescaped(t, pos);
        if (!face)
            return std::nullopt;
        const QStringList rest =
            t.mid(pos, t.size() - pos - 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
        if (rest.size() != 6)
            return std::nullopt;
        bool ok[6];
        FontDesc f;
        f.face = *face;
        f.points = rest[0].trimmed().toDouble(&ok[0]);
        f.weight = rest[1].trimmed().toInt(&ok[1]);
        f.italic = rest[2].trimmed().toInt(&ok[2]) != 0;
        f.underline = rest[3].trimmed().toInt(&ok[3]) != 0;
        f.strikethrough = rest[4].trimmed().toInt(&ok[4]) != 0;
        f.charset = rest[5].trimmed().toInt(&ok[5]);
        for (bool b : ok)
            if (!b)
                return std::nullopt;
        if (!std::isfinite(f.points) || f.points <= 0)
            return std::nullopt;
        return PropertyBag::Value{f};
    }
    if (t.startsWith(QStringLiteral("picture(")) && t.endsWith(QLatin1Char(')'))) {
        const QByteArray b64 = t.mid(8, t.size() - 9).trimmed().toLatin1();
        auto decoded = QByteArray::fromBase64Encoding(b64, QByteArray::AbortOnBase64DecodingErrors);
        if (!decoded)
            return std::nullopt;
        return PropertyBag::Value{Picture{*decoded}};
    }
    bool ok = false;
    if (t.endsWith(QLatin1Char('%'))) {
        const int n = t.chopped(1).toInt(&ok);
        if (!ok || n < std::numeric_limits<std::int16_t>::min() ||
            n > std::numeric_limits<std::int16_t>::max())
            return std::nullopt;
        return PropertyBag::Value{static_cast<std::int16_t>(n)};
    }
    const qlonglong n = t.toLongLong(&ok, 0);
    if (!ok)
        return std::nullopt;
    // Colours are written as unsigned hexadecimal (0x8000000F); they keep their 32 bits.
    if (n < std::numeric_limits<std::int32_t>::min() || n > 0xFFFFFFFFLL)
        return std::nullopt;
    return PropertyBag::Value{static_cast<std::int32_t>(static_cast<std::uint32_t>(n))};
}

} // namespace

int PropertyBag::indexOf(const QString& key) const {
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].key.compare(key, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

const PropertyBag::Value* PropertyBag::raw(const QString& key) const {
    const int i = indexOf(key);
    return i < 0 ? nullptr : &entries_[static_cast<size_t>(i)].value;
}

void PropertyBag::remove(const QString& key) {
    const int i = indexOf(key);
    if (i >= 0)
        entries_.erase(entries_.begin() + i);
}

std::vector<QString> PropertyBag::keys() const {
    std::vector<QString> out;
    out.reserve(entries_.size());
    for (const Entry& e : entries_)
        out.push_back(e.key);
    return out;
}

void PropertyBag::setRaw(const QString& key, Value value) {
    store(key, std::move(value));
}

void PropertyBag::store(const QString& key, Value value) {
    const int i = indexOf(key);
    if (i >= 0)
        entries_[static_cast<size_t>(i)].value = std::move(value);
    else
        entries_.push_back({key, std::move(value)});
}

void PropertyBag::checkWritable() const {
    if (writeFailure_)
        throw std::runtime_error(writeFailure_->toStdString());
}

std::optional<std::int32_t> PropertyBag::ReadProperty(const QString& key,
                                                      std::int32_t defaultValue) const {
    const Value* v = raw(key);
    if (!v)
        return defaultValue;
    return InRange<std::int32_t>(WholeNumberOf(*v));
}

std::optional<std::int16_t> PropertyBag::ReadProperty(const QString& key,
                                                      std::int16_t defaultValue) const {
    const Value* v = raw(key);
    if (!v)
        return defaultValue;
    return InRange<std::int16_t>(WholeNumberOf(*v));
}

std::optional<bool> PropertyBag::ReadProperty(const QString& key, bool defaultValue) const {
    const Value* v = raw(key);
    if (!v)
        return defaultValue;
    if (auto s = std::get_if<QString>(v)) {
        if (s->trimmed().compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (s->trimmed().compare(QStringLiteral("false"), Qt::CaseInsensitive) == 0)
            return false;
    }
    auto n = WholeNumberOf(*v);
    if (!n)
        return std::nullopt;
    return *n != 0;
}

std::optional<std::uint32_t> PropertyBag::ReadProperty(const QString& key,
                                                       std::uint32_t defaultValue) const {
    const Value* v = raw(key);
    if (!v)
        return defaultValue;
    auto n = WholeNumberOf(*v);
    if (!n || *n < std::numeric_limits<std::int32_t>::min() || *n > 0xFFFFFFFFLL)
        return std::nullopt;
    return static_cast<std::uint32_t>(*n);
}

std::optional<QString> PropertyBag::ReadProperty(const QString& key,
                                                 const QString& defaultValue) const {
    const Value* v = raw(key);
    if (!v)
        return defaultValue;
    if (auto s = std::get_if<QString>(v))
        return *s;
    if (auto n = std::get_if<std::int32_t>(v))
        return QString::number(*n);
    if (auto n = std::get_if<std::int16_t>(v))
        return QString::number(*n);
    return std::nullopt;
}

std::optional<FontDesc> PropertyBag::ReadProperty(const QString& key,
                                                  const FontDesc& defaultValue) const {
    const Value* v = raw(key);
    if (!v)
        return defaultValue;
    if (auto f = std::get_if<FontDesc>(v))
        return *f;
    return std::nullopt;
}

std::optional<Picture> PropertyBag::ReadProperty(const QString& key,
                                                 const Picture& defaultValue) const {
    const Value* v = raw(key);
    if (!v)
        return defaultValue;
    if (auto p = std::get_if<Picture>(v))
        return *p;
    return std::nullopt;
}

void PropertyBag::WriteProperty(const QString& key, std::int32_t value, std::int32_t defaultValue) {
    checkWritable();
    if (value == defaultValue)
        remove(key);
    else
        store(key, value);
}

void PropertyBag::WriteProperty(const QString& key, std::int16_t value, std::int16_t defaultValue) {
    checkWritable();
    if (value == defaultValue)
        remove(key);
    else
        store(key, value);
}

void PropertyBag::WriteProperty(const QString& key, bool value, bool defaultValue) {
    WriteProperty(key, static_cast<std::int16_t>(value ? -1 : 0),
                  static_cast<std::int16_t>(defaultValue ? -1 : 0));
}

void PropertyBag::WriteProperty(const QString& key, std::uint32_t value,
                                std::uint32_t defaultValue) {
    WriteProperty(key, static_cast<std::int32_t>(value), static_cast<std::int32_t>(defaultValue));
}

void PropertyBag::WriteProperty(const QString& key, const QString& value,
                                const QString& defaultValue) {
    checkWritable();
    if (value == defaultValue)
        remove(key);
    else
        store(key, value);
}

void PropertyBag::WriteProperty(const QString& key, const FontDesc& value,
                                const FontDesc& defaultValue) {
    checkWritable();
    if (value == defaultValue)
        remove(key);
    else
        store(key, value);
}

void PropertyBag::WriteProperty(const QString& key, const Picture& value,
                                const Picture& defaultValue) {
    checkWritable();
    if (value == defaultValue)
        remove(key);
    else
        store(key, value);
}

QString PropertyBag::toText() const {
    QString out;
    for (const Entry& e : entries_) {
        out += e.key;
        out += QStringLiteral(" = ");
        const Value& v = e.value;
        if (auto n = std::get_if<std::int32_t>(&v))
            out += QString::number(*n);
        else if (auto n = std::get_if<std::int16_t>(&v))
            out += QString::number(*n) + QLatin1Char('%');
        else if (auto s = std::get_if<QString>(&v))
            out += Escaped(*s);
        else if (auto f = std::get_if<FontDesc>(&v))
            out += QStringLiteral("font(%1, %2, %3, %4, %5, %6, %7)")
                       .arg(Escaped(f->face))
                       .arg(f->points)
                       .arg(f->weight)
                       .arg(f->italic ? 1 : 0)
                       .arg(f->underline ? 1 : 0)
                       .arg(f->strikethrough ? 1 : 0)
                       .arg(f->charset);
        else if (auto p = std::get_if<Picture>(&v))
            out += QStringLiteral("picture(") + QString::fromLatin1(p->data.toBase64()) +
                   QLatin1Char(')');
        else if (auto u = std::get_if<Unreadable>(&v))
            out += u->raw;
        out += QLatin1Char('\n');
    }
    return out;
}

PropertyBag PropertyBag::fromText(const QString& text) {
    PropertyBag bag;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = line.left(eq).trimmed();
        if (key.isEmpty())
            continue;
        const QString rawValue = line.mid(eq + 1).trimmed();
        auto value = ParseValue(rawValue);
        bag.store(key, value ? std::move(*value) : Value{Unreadable{rawValue}});
    }
    return bag;
}

} // namespace rewrix
