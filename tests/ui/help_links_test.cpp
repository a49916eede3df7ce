// Help links fetched from a small HTTP server on 127.0.0.1 run by the test.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QSettings>
#include <QTcpServer>
#include <QTcpSocket>

#include "app/settings_store.h"
#include "app/ui/kit/help_links.h"
#include "app/ui/kit/ui_texts.h"
#include "app/ui/kit/language.h"
#include "app/ui/main_window.h"
#include "app/ui/kit/messages.h"
#include "app/ui/update_check_window.h"

namespace orvanta {
namespace {

// Serves fixed files by path; anything else gets 404.
class FileServer : public QObject {
 public:
  FileServer() {
    connect(&server_, &QTcpServer::newConnection, this, [this] {
      while (QTcpSocket* s = server_.nextPendingConnection()) {
        connect(s, &QTcpSocket::readyRead, s, [this, s] { Answer(s); });
        connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
      }
    });
    EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
  }
  QString Base() const { return QString("http://127.0.0.1:%1/Linki/").arg(server_.serverPort()); }
  void Put(const QString& path, const QByteArray& body) { files_[path] = body; }
  QStringList requested;

 private:
  void Answer(QTcpSocket* s) {
    buffer_[s] += s->readAll();
    if (!buffer_[s].contains("\r\n\r\n")) return;
    const QList<QByteArray> first = buffer_[s].left(buffer_[s].indexOf("\r\n")).split(' ');
    buffer_.remove(s);
    const QString path = first.size() > 1 ? QString::fromLatin1(first[1]) : QString();
    requested << path;
    QByteArray reply;
    if (files_.contains(path)) {
      const QByteArray& body = files_[path];
      reply = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\nContent-Length: " +
              QByteArray::number(body.size()) + "\r\n\r\n" + body;
    } else {
      reply = "HTTP/1.1 404 Not Found\r\nConnection: close\r\nContent-Length: 0\r\n\r\n";
    }
    s->write(reply);
    s->disconnectFromHost();
  }
  QTcpServer server_;
  QMap<QString, QByteArray> files_;
  QMap<QTcpSocket*, QByteArray> buffer_;
};

void SetLinkBase(const QString& base) {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "ORVANTA", "SETTINGS");
  settings.setValue("LINKI", base);
  settings.sync();
}

class HelpLinksTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetExternalOpener([this](const QUrl& url) {
      opened_ << url.toString();
      return true;
    });
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "ORVANTA", "SETTINGS");
    previous_base_ = settings.value("LINKI");
    SetLinkBase(server_.Base());
  }
  // The test's server is gone afterwards: the user's own link address comes back.
  void TearDown() override {
    SetExternalOpener(nullptr);
    QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "ORVANTA", "SETTINGS");
    if (previous_base_.isValid()) {
      settings.setValue("LINKI", previous_base_);
    } else {
      settings.remove("LINKI");
    }
    settings.sync();
  }

  QVariant previous_base_;

  RecordingResponder messages_;
  FileServer server_;
  QStringList opened_;
};

TEST_F(HelpLinksTest, EachLineOfAThreeLineFileOpensItsPageAndLaterLinesNothing) {
  server_.Put("/Linki/link_YoutubeEN.txt", "https://video.example/one\r\nhttps://video.example/two\r\n"
                                           "https://video.example/three\r\n");
  EXPECT_EQ(OpenHelpLink(HelpLinkPair::Videos, 1, false, nullptr), HelpLinkOutcome::Opened);
  EXPECT_EQ(OpenHelpLink(HelpLinkPair::Videos, 2, false, nullptr), HelpLinkOutcome::Opened);
  EXPECT_EQ(OpenHelpLink(HelpLinkPair::Videos, 3, false, nullptr), HelpLinkOutcome::Opened);
  EXPECT_EQ(OpenHelpLink(HelpLinkPair::Videos, 4, false, nullptr), HelpLinkOutcome::NoAddress);
  EXPECT_EQ(OpenHelpLink(HelpLinkPair::Videos, 5, false, nullptr), HelpLinkOutcome::NoAddress);
  EXPECT_EQ(opened_, QStringList({"https://video.example/one", "https://video.example/two",
                                  "https://video.example/three"}));
  // A line the file does not have opens nothing, and says so.
  ASSERT_EQ(messages_.shown().size(), 2u);
  EXPECT_TRUE(messages_.shown()[0].text.startsWith(UiText(UiTextId::NoBrowser).section("%1", 0, 0)))
      << messages_.shown()[0].text.toStdString();
  EXPECT_TRUE(messages_.shown()[0].text.contains("/Linki/link_YoutubeEN.txt"));
  // The downloaded file does not stay in the temporary folder.
  EXPECT_FALSE(QFile::exists(QDir(QDir::tempPath()).filePath("link_YoutubeEN.txt")));
}

TEST_F(HelpLinksTest, PolishChoiceTakesThePolishFile) {
  server_.Put("/Linki/link_wiedza.txt", "https://wiedza.example/pl\n");
  server_.Put("/Linki/link_wiedzaen.txt", "https://wiedza.example/en\n");
  EXPECT_EQ(OpenHelpLink(HelpLinkPair::Knowledge, 1, true, nullptr), HelpLinkOutcome::Opened);
  EXPECT_EQ(OpenHelpLink(HelpLinkPair::Knowledge, 1, false, nullptr), HelpLinkOutcome::Opened);
  EXPECT_EQ(opened_, QStringList({"https://wiedza.example/pl", "https://wiedza.example/en"}));
  EXPECT_EQ(server_.requested, QStringList({"/Linki/link_wiedza.txt", "/Linki/link_wiedzaen.txt"}));
}

TEST_F(HelpLinksTest, AMissingFileOpensNothingAndSaysSo) {
  EXPECT_EQ(OpenHelpLink(HelpLinkPair::Videos, 1, true, nullptr), HelpLinkOutcome::NoAddress);
  EXPECT_TRUE(opened_.isEmpty());
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].caption, "ORVANTA INFO");
}

TEST_F(HelpLinksTest, AnAddressNoBrowserTookIsReported) {
  server_.Put("/Linki/link_YoutubeEN.txt", "https://video.example/one\r\n");
  SetExternalOpener([](const QUrl&) { return false; });
  EXPECT_EQ(OpenHelpLink(HelpLinkPair::Videos, 1, false, nullptr), HelpLinkOutcome::NotOpened);
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].text, UiText(UiTextId::NoBrowser).arg("https://video.example/one"));
}

TEST_F(HelpLinksTest, NoConnectionIsReportedWithText296) {
  QTcpServer closed;
  ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
  const quint16 port = closed.serverPort();
  closed.close();  // nothing listens there any more
  SetLinkBase(QString("http://127.0.0.1:%1/Linki").arg(port));
  EXPECT_EQ(OpenHelpLink(HelpLinkPair::Videos, 1, false, nullptr), HelpLinkOutcome::NoConnection);
  ASSERT_EQ(messages_.shown().size(), 1u);
  EXPECT_EQ(messages_.shown()[0].caption, "ORVANTA INFO");
  EXPECT_EQ(messages_.shown()[0].text, Text(296));
  EXPECT_TRUE(opened_.isEmpty());
}

TEST_F(HelpLinksTest, MainWindowButtonsOpenLineOneOfTheirFiles) {
  server_.Put("/Linki/link_wiedza.txt", "https://wiedza.example/pl\n");
  server_.Put("/Linki/link_wiedzaen.txt", "https://wiedza.example/en\n");
  server_.Put("/Linki/link_YoutubePL.txt", "https://video.example/pl\n");
  server_.Put("/Linki/link_YoutubeEN.txt", "https://video.example/en\n");
  MainWindow w(std::make_unique<MemoryStore>());
  w.show();
  QApplication::processEvents();
  messages_.Clear();
  const QString suffix = PolishTicked() ? "pl" : "en";
  w.findChild<QAbstractButton*>("BitBtn12")->click();
  w.findChild<QAbstractButton*>("BitBtn15")->click();
  EXPECT_EQ(opened_, QStringList({"https://wiedza.example/" + suffix, "https://video.example/" + suffix}));
  EXPECT_TRUE(messages_.shown().empty());
  w.close();
}

TEST_F(HelpLinksTest, UpdateCheckComparesWithTheVersionFile) {
  UpdateCheckWindow window;
  server_.Put("/Linki/wersja.txt", "999.0\r\n");
  EXPECT_TRUE(window.Check().contains("999.0"));
  server_.Put("/Linki/wersja.txt", "0.0.1\r\n");
  EXPECT_EQ(window.Check(), "This is the newest version.");
}

}  // namespace
}  // namespace orvanta
