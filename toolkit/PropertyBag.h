#pragma once

#include "toolkit/FontDesc.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace rewrix {

// Picture data as a control stores it: the bytes of an image file (PNG, BMP, ...).
struct Picture {
    QByteArray data;
    bool isEmpty() const { return data.isEmpty(); }
    friend bool operator==(const Picture&, const Picture&) = default;
};

// A value that was stored but cannot be read back (a damaged entry of a stored layout). Reading
// it never succeeds, so a control can skip it and keep what it had.
struct Unreadable {
    QString raw;
    friend bool operator==(const Unreadable&, const Unreadable&) = default;
};

// The stored property set of one control instance: typed values under keys that compare without
// regard to case, kept in the order they were first written.
//
// Writing: a value equal to its default is not written (an entry of that key is removed, so the
// bag always says what differs from the defaults). Reading: a missing key gives the default; a
// stored value that cannot be converted to the type asked for, or an Unreadable entry, gives
// nothing. Booleans are stored as 16-bit integers, true = -1 and false = 0.
class PropertyBag {
public:
    using Value = std::variant<std::int32_t, std::int16_t, QString, FontDesc, Picture, Unreadable>;

    struct Entry {
        QString key;
        Value value;
    };

    std::optional<std::int32_t> ReadProperty(const QString& key, std::int32_t defaultValue) const;
    std::optional<std::int16_t> ReadProperty(const QString& key, std::int16_t defaultValue) const;
    std::optional<bool> ReadProperty(const QString& key, bool defaultValue) const;
    // Colours are stored as 32-bit integers.
    std::optional<std::uint32_t> ReadProperty(const QString& key, std::uint32_t defaultValue) const;
    std::optional<QString> ReadProperty(const QString& key, const QString& defaultValue) const;
    std::optional<QString> ReadProperty(const QString& key, const char* defaultValue) const {
        return ReadProperty(key, QString::fromUtf8(defaultValue));
    }
    std::optional<FontDesc> ReadProperty(const QString& key, const FontDesc& defaultValue) const;
    std::optional<Picture> ReadProperty(const QString& key, const Picture& defaultValue) const;

    void WriteProperty(const QString& key, std::int32_t value, std::int32_t defaultValue);
    void WriteProperty(const QString& key, std::int16_t value, std::int16_t defaultValue);
    void WriteProperty(const QString& key, bool value, bool defaultValue);
    void WriteProperty(const QString& key, std::uint32_t value, std::uint32_t defaultValue);
    void WriteProperty(const QString& key, const QString& value, const QString& defaultValue);
    void WriteProperty(const QString& key, const char* value, const char* defaultValue) {
        WriteProperty(key, QString::fromUtf8(value), QString::fromUtf8(defaultValue));
    }
    void WriteProperty(const QString& key, const FontDesc& value, const FontDesc& defaultValue);
    void WriteProperty(const QString& key, const Picture& value, const Picture& defaultValue);

    // Stores a value as it is, default or not (building a store by hand, damaged entries).
    void setRaw(const QString& key, Value value);
    const Value* raw(const QString& key) const;
    bool contains(const QString& key) const { return raw(key) != nullptr; }
    void remove(const QString& key);
    const std::vector<Entry>& entries() const { return entries_; }
    std::vector<QString> keys() const;
    bool isEmpty() const { return entries_.empty(); }
    void clear() { entries_.clear(); }

    // One line per entry, "Key = value", in the order of the entries. The value is typed by its
    // form: 123 (32-bit), 123% (16-bit), "text" with \" \\ \n escapes, font("face", points,
    // weight, italic, underline, strikethrough, charset), picture(base64). A line whose value
    // does not parse becomes an Unreadable entry; a line without "=" is ignored.
    QString toText() const;
    static PropertyBag fromText(const QString& text);

    // Fault injection for the hosts' tests: when set, every write fails with this message
    // (std::runtime_error), as a store on a full disk would.
    void setWriteFailure(std::optional<QString> message) { writeFailure_ = std::move(message); }

private:
    int indexOf(const QString& key) const;
    void store(const QString& key, Value value);
    void checkWritable() const;

    std::vector<Entry> entries_;
    std::optional<QString> writeFailure_;
};

} // namespace rewrix
