// Reading and writing the text form of stored lists.
#include "shared/stored_list.h"

#include "shared/error.h"

namespace tolvex {

namespace {

// Stored properties nest two levels deep; the limit keeps hostile input from
// exhausting the stack.
constexpr int kMaxDepth = 16;

class TStoredListReader {
 public:
  explicit TStoredListReader(QStringView text) : text_(text) {}

  TStoredList ReadAll() {
    TStoredList items = ReadItems(0);
    if (pos_ < text_.size()) Fail(QStringLiteral("unexpected \")\""));
    return items;
  }

 private:
  // Reads items up to the end of the text or a closing ")" (not consumed).
  TStoredList ReadItems(int depth) {
    TStoredList items;
    for (SkipBlanks(); pos_ < text_.size() && text_[pos_] != u')'; SkipBlanks()) {
      if (text_[pos_] == u'(') {
        if (depth + 1 > kMaxDepth) Fail(QStringLiteral("lists nested too deeply"));
        ++pos_;
        TStoredList inner = ReadItems(depth + 1);
        if (pos_ >= text_.size()) Fail(QStringLiteral("missing \")\""));
        ++pos_;
        items.push_back(TStoredItem::List(std::move(inner)));
      } else if (text_[pos_] == u'\'') {
        items.push_back(TStoredItem::Text(ReadText()));
      } else {
        Fail(QStringLiteral("unexpected character"));
      }
    }
    return items;
  }

  QString ReadText() {
    const qsizetype start = pos_;
    QString result;
    for (++pos_; pos_ < text_.size(); ++pos_) {
      if (text_[pos_] != u'\'') {
        result += text_[pos_];
      } else if (pos_ + 1 < text_.size() && text_[pos_ + 1] == u'\'') {
        result += u'\'';
        ++pos_;
      } else {
        ++pos_;
        return result;
      }
    }
    pos_ = start;
    Fail(QStringLiteral("unterminated text"));
  }

  void SkipBlanks() {
    while (pos_ < text_.size() && (text_[pos_] == u' ' || text_[pos_] == u'\t' ||
                                   text_[pos_] == u'\r' || text_[pos_] == u'\n'))
      ++pos_;
  }

  [[noreturn]] void Fail(const QString& what) const {
    throw EtxError(
        QStringLiteral("Error reading stored list at character %1: %2!").arg(pos_ + 1).arg(what));
  }

  QStringView text_;
  qsizetype pos_ = 0;
};

void WriteItems(const TStoredList& list, int depth, QString& out) {
  const QString indent(depth * 2, u' ');
  for (const TStoredItem& item : list) {
    if (item.isList) {
      out += indent + QStringLiteral("(\n");
      WriteItems(item.items, depth + 1, out);
      out += indent + QStringLiteral(")\n");
    } else {
      QString text = item.text;
      text.replace(u'\'', QStringLiteral("''"));
      out += indent + u'\'' + text + QStringLiteral("'\n");
    }
  }
}

}  // namespace

TStoredList ReadStoredList(QStringView text) {
  return TStoredListReader(text).ReadAll();
}

QString WriteStoredList(const TStoredList& list) {
  QString out;
  WriteItems(list, 0, out);
  return out;
}

}  // namespace tolvex
