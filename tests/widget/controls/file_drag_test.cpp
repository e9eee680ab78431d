// The file drop target with synthetic drag and drop events.
#include "controls/file_drag.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>
#include <QWidget>
#include <memory>

namespace tolvex::test {
namespace {

std::unique_ptr<QMimeData> FileData(const QStringList& paths) {
  auto data = std::make_unique<QMimeData>();
  QList<QUrl> urls;
  for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
  data->setUrls(urls);
  return data;
}

std::unique_ptr<QMimeData> UrlData(const QList<QUrl>& urls) {
  auto data = std::make_unique<QMimeData>();
  data->setUrls(urls);
  return data;
}

// Whether the owner accepts the drag as it enters (with the action it chose).
bool Enters(QWidget& owner, const QMimeData& data, Qt::DropActions actions,
            Qt::DropAction* chosen = nullptr) {
  QDragEnterEvent enter(QPoint(5, 5), actions, &data, Qt::LeftButton, Qt::NoModifier);
  enter.ignore();
  QApplication::sendEvent(&owner, &enter);
  if (chosen) *chosen = enter.dropAction();
  return enter.isAccepted();
}

// A whole drag: it enters, then drops (the application delivers the drop to
// whichever widget took the drag as it entered).
bool Drops(QWidget& target, const QMimeData& data, QPoint at = QPoint(10, 40),
           Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction) {
  Enters(target, data, actions);
  QDropEvent drop(at, actions, &data, Qt::LeftButton, Qt::NoModifier);
  drop.ignore();
  QApplication::sendEvent(&target, &drop);
  return drop.isAccepted();
}

class FileDragTest : public ::testing::Test {
 protected:
  QWidget owner_;
  TFileDrag* drag_ = new TFileDrag(&owner_);
};

TEST_F(FileDragTest, StartsEnabledOnAWidget) {
  EXPECT_TRUE(drag_->EnableDrop());
  EXPECT_TRUE(owner_.acceptDrops());
  EXPECT_EQ(drag_->FileCount(), 0);
  EXPECT_TRUE(drag_->Files().isEmpty());
}

TEST_F(FileDragTest, ReportsSeveralFilesOnceInTheirOrder) {
  const QString longPath =
      "/home/anna/Dokumente/" + QString("sehr langer Ordnername ").repeated(6) + "/Programm.exe";
  ASSERT_GT(longPath.size(), 127);
  const QStringList files = {"/usr/bin/editor", "/home/anna/Mein Brief.txt",
                             QString::fromUtf8("/home/anna/Übersicht – März.ods"), longPath};
  QSignalSpy drops(drag_, &TFileDrag::OnDrop);
  const auto data = FileData(files);
  Qt::DropAction chosen = Qt::IgnoreAction;
  EXPECT_TRUE(Enters(owner_, *data, Qt::MoveAction | Qt::LinkAction, &chosen));
  EXPECT_EQ(chosen, Qt::LinkAction) << "the source must not delete its files";
  EXPECT_TRUE(Enters(owner_, *data, Qt::CopyAction | Qt::MoveAction, &chosen));
  EXPECT_EQ(chosen, Qt::CopyAction);
  EXPECT_TRUE(Drops(owner_, *data, QPoint(12, 345)));
  ASSERT_EQ(drops.count(), 1);
  EXPECT_EQ(drops[0][0].value<TFileDrag*>(), drag_);
  EXPECT_EQ(drops[0][1].toInt(), 12);
  EXPECT_EQ(drops[0][2].toInt(), 345);
  EXPECT_EQ(drag_->Files(), files);
  EXPECT_EQ(drag_->FileCount(), 4);

  Drops(owner_, *FileData({"/tmp/eins"}));
  EXPECT_EQ(drag_->Files(), QStringList{"/tmp/eins"}) << "each drop replaces the last";
  EXPECT_EQ(drag_->FileCount(), 1);
}

TEST_F(FileDragTest, RefusesAnythingButLocalFiles) {
  struct Case {
    const char* name;
    std::unique_ptr<QMimeData> data;
    Qt::DropActions actions;
  };
  auto text = std::make_unique<QMimeData>();
  text->setText("/tmp/datei");
  Case cases[] = {
      {"plain text", std::move(text), Qt::CopyAction},
      {"remote address", UrlData({QUrl("https://example.org/datei.exe")}), Qt::CopyAction},
      {"a file and a remote address",
       UrlData({QUrl::fromLocalFile("/tmp/datei"), QUrl("sftp://host/datei")}), Qt::CopyAction},
      {"files that may only be moved", FileData({"/tmp/datei"}), Qt::MoveAction},
  };
  QSignalSpy drops(drag_, &TFileDrag::OnDrop);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(Enters(owner_, *c.data, c.actions));
    EXPECT_FALSE(Drops(owner_, *c.data, QPoint(1, 1), c.actions));
  }
  EXPECT_EQ(drops.count(), 0);
  EXPECT_EQ(drag_->FileCount(), 0);
}

TEST_F(FileDragTest, EnableDropSwitchesWithoutRecreating) {
  const auto data = FileData({"/tmp/datei"});
  QSignalSpy drops(drag_, &TFileDrag::OnDrop);
  drag_->SetEnableDrop(false);
  EXPECT_FALSE(drag_->EnableDrop());
  EXPECT_FALSE(owner_.acceptDrops());
  EXPECT_FALSE(Enters(owner_, *data, Qt::CopyAction));
  EXPECT_FALSE(Drops(owner_, *data));
  EXPECT_EQ(drops.count(), 0);

  drag_->SetEnableDrop(true);
  EXPECT_TRUE(owner_.acceptDrops());
  EXPECT_TRUE(Drops(owner_, *data));
  EXPECT_EQ(drops.count(), 1);
}

TEST_F(FileDragTest, DropOnAChildReachesTheOwnerInItsCoordinates) {
  QWidget child(&owner_);
  child.setGeometry(20, 30, 50, 50);
  owner_.resize(200, 200);
  owner_.show();
  const auto data = FileData({"/tmp/datei"});
  QSignalSpy drops(drag_, &TFileDrag::OnDrop);
  EXPECT_TRUE(Drops(child, *data, QPoint(5, 6)));
  ASSERT_EQ(drops.count(), 1);
  EXPECT_EQ(drops[0][1].toInt(), 25);
  EXPECT_EQ(drops[0][2].toInt(), 36);
}

// An owner that takes dragged text itself.
class TTextTarget : public QWidget {
 public:
  int textDrops = 0;

 protected:
  void dragEnterEvent(QDragEnterEvent* event) override {
    if (event->mimeData()->hasText()) event->acceptProposedAction();
  }
  void dropEvent(QDropEvent* event) override {
    ++textDrops;
    event->acceptProposedAction();
  }
};

TEST(FileDrag, LeavesOtherDragsToTheOwner) {
  TTextTarget owner;
  TFileDrag drag(&owner);
  QSignalSpy drops(&drag, &TFileDrag::OnDrop);
  QMimeData text;
  text.setText("Notiz");
  EXPECT_TRUE(Drops(owner, text, QPoint(1, 1), Qt::CopyAction));
  EXPECT_EQ(owner.textDrops, 1);
  EXPECT_TRUE(Drops(owner, *FileData({"/tmp/datei"})));
  EXPECT_EQ(owner.textDrops, 1);
  EXPECT_EQ(drops.count(), 1);
}

TEST(FileDrag, OwnerThatIsNoWidgetNeverAccepts) {
  QObject owner;
  TFileDrag drag(&owner);
  EXPECT_FALSE(drag.EnableDrop());
  drag.SetEnableDrop(true);
  EXPECT_FALSE(drag.EnableDrop());
}

TEST(FileDrag, LeavesTheOwnerAsItWasWhenDestroyed) {
  QWidget owner;
  auto drag = std::make_unique<TFileDrag>(&owner);
  drag.reset();
  EXPECT_FALSE(owner.acceptDrops());
  const auto data = FileData({"/tmp/datei"});
  EXPECT_FALSE(Drops(owner, *data));

  // Destroyed together with its owner.
  auto* widget = new QWidget;
  new TFileDrag(widget);
  delete widget;
}

}  // namespace
}  // namespace tolvex::test
