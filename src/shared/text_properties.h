// How the translator sees a form: the class names of a component as the
// translation tables name them, the components a form owns, and its text
// properties read and written by their stored names through Qt's property
// system ("Caption" of a label or button is its text, of a form its window
// title; "Hint" is the tool tip; "Lines" of a memo is its plain text, line by
// line; other names are the Qt property with a lower-case first letter).
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

class QObject;

namespace tolvex {

// The class of `object` and its ancestors, nearest first, as tables name
// them: Qt's widget classes by the names the tables use (QLabel is "TLabel",
// QPushButton "TButton", QDialog "TForm" …), the system's own classes by
// their names without namespace.
QStringList TableClassChain(const QObject& object);

// The form itself (when named), then the named components it owns: the named objects of
// its tree, not entering other windows.
QList<QObject*> OwnedComponents(QObject& form);

// A text property; nullopt when the component has no such property.
std::optional<QString> ReadTextProperty(const QObject& component, const QString& property);
void WriteTextProperty(QObject& component, const QString& property, const QString& text);

// A string-list property (name without "[]"), line by line.
std::optional<QStringList> ReadLinesProperty(const QObject& component, const QString& property);
void WriteLinesProperty(QObject& component, const QString& property, const QStringList& lines);

}  // namespace tolvex
