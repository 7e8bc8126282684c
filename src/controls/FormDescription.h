#pragma once
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <optional>

// One control's entry in a form description: its kind ("SkinButton", "ComboBox", ...), its name
// and its named values in file order. Keys are matched without regard to case.
struct FormControl {
    QString kind;
    QString name;
    QList<QPair<QString, QString>> values;

    bool has(const QString& key) const;
    // The value of `key` (ignoring case); the last one wins; nullopt when absent.
    std::optional<QString> value(const QString& key) const;
    void set(const QString& key, const QString& value);  // replaces or appends
};

// The form description of a window: the text in which a window keeps its controls' properties.
//
//   # comment
//   Begin SkinButton cmdOK
//       Left = 66
//       Caption = "       O K"
//   End
//
// A value is either a double-quoted text (escapes \" \\ \n \t) or the rest of the line, trimmed.
struct FormDescription {
    QList<FormControl> controls;

    // The control of that name (ignoring case), or nullptr.
    const FormControl* find(const QString& name) const;
};

// Parses a form description. On failure returns nullopt and, when `error` is given, a message
// naming the line.
std::optional<FormDescription> parseFormDescription(const QByteArray& text, QString* error = nullptr);

// Writes a form description in UTF-8 that parseFormDescription reads back unchanged: a value is
// written bare when it reads back the same, else quoted.
QByteArray writeFormDescription(const FormDescription& form);

// Quotes a text value for a form description.
QString quoteFormText(const QString& text);
