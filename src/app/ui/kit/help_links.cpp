#include "app/ui/kit/help_links.h"

#include <QDesktopServices>
#include <QPushButton>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QSettings>
#include <QTimer>

#include "app/ui/kit/language.h"
#include "app/ui/kit/messages.h"
#include "app/ui/kit/ui_texts.h"

namespace orvanta {
namespace {

// Where a fresh installation looks for its link files and web site; both can
// be changed in the settings (values "LINKI" and "WWW").
constexpr char kDefaultWebSite[] = "https://orvanta.example.org/";
constexpr char kDefaultLinkBase[] = "https://orvanta.example.org/Linki/";

std::function<bool(const QUrl&)>& Opener() {
  static std::function<bool(const QUrl&)> opener;
  return opener;
}

QString SettingText(const char* name, const char* fallback) {
  QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "ORVANTA", "SETTINGS");
  const QString value = settings.value(name).toString().trimmed();
  return value.isEmpty() ? QString::fromLatin1(fallback) : value;
}

bool IsConnectionFailure(QNetworkReply::NetworkError e) {
  switch (e) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::UnknownNetworkError:
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
      return true;
    default:
      return false;
  }
}

}  // namespace

QString HelpLinkBase() { return SettingText("LINKI", kDefaultLinkBase); }
QString ProgramWebSite() { return SettingText("WWW", kDefaultWebSite); }

bool FetchSmallFile(const QUrl& url, QByteArray* content, bool* no_connection, int timeout_ms) {
  content->clear();
  *no_connection = false;
  if (!url.isValid() || url.scheme().isEmpty()) {
    *no_connection = true;
    return false;
  }
  QNetworkAccessManager manager;
  QNetworkRequest request(url);
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
  request.setTransferTimeout(timeout_ms);
  QNetworkReply* reply = manager.get(request);
  QEventLoop loop;
  QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
  QTimer guard;  // the transfer timeout covers stalls; this covers everything else
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, reply, &QNetworkReply::abort);
  guard.start(timeout_ms + 1000);
  if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
  const QNetworkReply::NetworkError error = reply->error();
  const QByteArray body = reply->readAll();
  reply->deleteLater();
  if (error != QNetworkReply::NoError) {
    *no_connection = IsConnectionFailure(error);
    return false;
  }
  *content = body;
  return true;
}

HelpLinkOutcome OpenHelpLink(HelpLinkPair pair, int line, QWidget* parent) {
  return OpenHelpLink(pair, line, PolishTicked(), parent);
}

HelpLinkOutcome OpenHelpLink(HelpLinkPair pair, int line, bool polish, QWidget* parent) {
  const std::string file_name = HelpLinkFileName(pair, polish);
  const QUrl url(QString::fromStdString(HelpLinkUrl(HelpLinkBase().toStdString(), file_name)));
  QByteArray body;
  bool no_connection = false;
  const bool arrived = FetchSmallFile(url, &body, &no_connection);
  if (!arrived && no_connection) {
    Messages::Info(parent, "ORVANTA INFO", Text(296));
    return HelpLinkOutcome::NoConnection;
  }
  // The file passes through the temporary folder under its own name and is
  // removed again once its line has been read.
  QString address;
  if (arrived) {
    const QString local = QDir(QDir::tempPath()).filePath(QString::fromStdString(file_name));
    QSaveFile out(local);
    if (out.open(QIODevice::WriteOnly) && out.write(body) == body.size() && out.commit()) {
      QFile in(local);
      if (in.open(QIODevice::ReadOnly)) {
        const QByteArray stored = in.readAll();
        in.close();
        address = QString::fromUtf8(HelpLinkLine(std::string_view(stored.constData(), stored.size()), line)).trimmed();
      }
      QFile::remove(local);
    } else {
      address = QString::fromUtf8(HelpLinkLine(std::string_view(body.constData(), body.size()), line)).trimmed();
    }
  }
  if (address.isEmpty()) {
    Messages::Info(parent, "ORVANTA INFO", UiText(UiTextId::NoBrowser).arg(url.toString()));
    return HelpLinkOutcome::NoAddress;
  }
  if (!OpenExternally(QUrl::fromUserInput(address))) {
    Messages::Info(parent, "ORVANTA INFO", UiText(UiTextId::NoBrowser).arg(address));
    return HelpLinkOutcome::NotOpened;
  }
  return HelpLinkOutcome::Opened;
}

bool OpenExternally(const QUrl& url) {
  if (Opener()) return Opener()(url);
  return QDesktopServices::openUrl(url);
}

void SetExternalOpener(std::function<bool(const QUrl&)> opener) { Opener() = std::move(opener); }

QPushButton* MakeHelpLinkButton(QWidget* parent, const QString& object_name, const QString& text,
                                HelpLinkPair pair, int line) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(object_name);
  QObject::connect(button, &QPushButton::clicked, button, [button, pair, line] {
    OpenHelpLink(pair, line, button->window());
  });
  return button;
}

}  // namespace orvanta
