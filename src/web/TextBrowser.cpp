// The web pane where no web engine is built (Windows: Qt WebEngine cannot be built with MinGW):
// the built-in pages and local files shown with Qt's own rich-text browser, any other address
// opened in the player's web browser. The address list and the look-up work the same.

#include "Browser.h"

#include "store/Errors.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>

namespace korvane {
namespace {

bool showsHere(const QUrl& url) {
    return url.scheme() == QStringLiteral("qrc") || url.isLocalFile();
}

class TextBrowser : public Browser {
public:
    explicit TextBrowser(QWidget* parent) : view_(new QTextBrowser(parent)) {
        view_->setObjectName(QStringLiteral("WebBrowser1"));
        view_->setAccessibleDescription(QStringLiteral("WebBrowser1"));
        view_->setAccessibleName(QStringLiteral("ブラウザ"));
        view_->setOpenLinks(false);
        QObject::connect(view_, &QTextBrowser::anchorClicked, view_, [this](const QUrl& url) { go(url); });
    }

    void Navigate(const QUrl& url) override { go(url); }

    void GoBack() override { view_->backward(); }
    void GoForward() override { view_->forward(); }
    QString LocationName() const override { return view_->documentTitle(); }
    QString LocationURL() const override { return view_->source().toString(); }
    QWidget* widget() override { return view_; }

private:
    // A page of the web goes to the player's browser; the pane keeps the page it had.
    void go(const QUrl& url) {
        if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
            if (loaded)
                loaded(false, url.toString(QUrl::FullyEncoded));
        } else if (showsHere(url)) {
            view_->setSource(url);
            if (loaded)
                loaded(true, url.toString(QUrl::FullyEncoded));
        } else if (!QDesktopServices::openUrl(url) && loaded) {
            loaded(false, url.toString(QUrl::FullyEncoded));
        }
    }

    QTextBrowser* view_;
};

} // namespace

std::unique_ptr<Browser> createBrowser(QWidget* parent) {
    return std::make_unique<TextBrowser>(parent);
}

void prepareBrowserEngine() {}

} // namespace korvane
