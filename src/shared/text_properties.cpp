// Text properties of components by their stored names.
#include "shared/text_properties.h"

#include <QGroupBox>
#include <QHash>
#include <QMetaObject>
#include <QVariant>
#include <QWidget>

namespace tolvex {

namespace {

QString TableClassName(const char* qtName) {
  static const QHash<QString, QString> names = {
      {"QObject", "TComponent"},
      {"QWidget", "TControl"},
      {"QDialog", "TForm"},
      {"QMainWindow", "TForm"},
      {"QLabel", "TLabel"},
      {"QPushButton", "TButton"},
      {"QCheckBox", "TCheckBox"},
      {"QRadioButton", "TRadioButton"},
      {"QGroupBox", "TGroupBox"},
      {"QLineEdit", "TEdit"},
      {"QPlainTextEdit", "TMemo"},
      {"QComboBox", "TComboBox"},
      {"QListWidget", "TListBox"},
      {"QAction", "TAction"},
      {"QMenu", "TPopupMenu"},
      {"QTabWidget", "TPageControl"},
      {"QStackedWidget", "TNotebook"},
  };
  QString name = QString::fromLatin1(qtName);
  name = name.mid(name.lastIndexOf(u':') + 1);
  return names.value(name, name);
}

QByteArray QtPropertyName(const QObject& component, const QString& property) {
  if (property == u"Caption") {
    const auto* widget = qobject_cast<const QWidget*>(&component);
    if (widget && widget->isWindow()) return "windowTitle";
    if (qobject_cast<const QGroupBox*>(&component)) return "title";
    return "text";
  }
  if (property == u"Hint") return "toolTip";
  if (property == u"Lines") return "plainText";
  if (property.isEmpty()) return {};
  return (property.left(1).toLower() + property.mid(1)).toUtf8();
}

// The Qt name of `property` when `component` has it (static or dynamic), so
// that writing never adds a property the component lacks.
QByteArray ExistingName(const QObject& component, const QString& property) {
  const QByteArray name = QtPropertyName(component, property);
  if (name.isEmpty()) return {};
  if (component.metaObject()->indexOfProperty(name.constData()) >= 0) return name;
  return component.dynamicPropertyNames().contains(name) ? name : QByteArray();
}

std::optional<QVariant> ReadProperty(const QObject& component, const QString& property) {
  const QByteArray name = ExistingName(component, property);
  if (name.isEmpty()) return std::nullopt;
  QVariant value = component.property(name.constData());
  if (!value.isValid()) return std::nullopt;
  return value;
}

void CollectOwned(QObject& parent, QList<QObject*>& out) {
  for (QObject* child : parent.children()) {
    const auto* widget = qobject_cast<QWidget*>(child);
    if (widget && widget->isWindow()) continue;
    if (!child->objectName().isEmpty() && !child->objectName().startsWith(u"qt_")) out << child;
    CollectOwned(*child, out);
  }
}

}  // namespace

QStringList TableClassChain(const QObject& object) {
  QStringList chain;
  for (const QMetaObject* meta = object.metaObject(); meta; meta = meta->superClass())
    chain << TableClassName(meta->className());
  return chain;
}

QList<QObject*> OwnedComponents(QObject& form) {
  QList<QObject*> components;
  if (!form.objectName().isEmpty()) components << &form;
  CollectOwned(form, components);
  return components;
}

std::optional<QString> ReadTextProperty(const QObject& component, const QString& property) {
  const std::optional<QVariant> value = ReadProperty(component, property);
  if (!value || !value->canConvert<QString>()) return std::nullopt;
  return value->toString();
}

void WriteTextProperty(QObject& component, const QString& property, const QString& text) {
  const QByteArray name = ExistingName(component, property);
  if (!name.isEmpty()) component.setProperty(name.constData(), text);
}

std::optional<QStringList> ReadLinesProperty(const QObject& component, const QString& property) {
  const std::optional<QVariant> value = ReadProperty(component, property);
  if (!value) return std::nullopt;
  if (value->userType() == QMetaType::QStringList) return value->toStringList();
  if (!value->canConvert<QString>()) return std::nullopt;
  return value->toString().split(u'\n');
}

void WriteLinesProperty(QObject& component, const QString& property, const QStringList& lines) {
  const std::optional<QVariant> value = ReadProperty(component, property);
  if (!value) return;
  const QByteArray name = ExistingName(component, property);
  if (value->userType() == QMetaType::QStringList)
    component.setProperty(name.constData(), lines);
  else
    component.setProperty(name.constData(), lines.join(u'\n'));
}

}  // namespace tolvex
