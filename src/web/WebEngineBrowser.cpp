#include "Browser.h"

#include "platform/Platform.h"
#include "store/Errors.h"

#include <QCoreApplication>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEngineView>
#include <cstdio>

namespace korvane {
namespace {

class WebEngineBrowser : public Browser {
public:
    explicit WebEngineBrowser(QWidget* parent) : view_(new QWebEngineView(parent)) {
        view_->setObjectName(QStringLiteral("WebBrowser1"));
        view_->setAccessibleDescription(QStringLiteral("WebBrowser1"));
        view_->setAccessibleName(QStringLiteral("ブラウザ"));
        QObject::connect(view_, &QWebEngineView::loadFinished, view_, [this](bool ok) {
            if (loaded)
                loaded(ok, view_->url().toString(QUrl::FullyEncoded));
        });
    }

    void Navigate(const QUrl& url) override { view_->setUrl(url); }

    void GoBack() override { view_->back(); }
    void GoForward() override { view_->forward(); }
    QString LocationName() const override { return view_->title(); }
    QString LocationURL() const override { return view_->url().toString(); }
    QWidget* widget() override { return view_; }

private:
    QWebEngineView* view_;
};

} // namespace

std::unique_ptr<Browser> createBrowser(QWidget* parent) {
    return std::make_unique<WebEngineBrowser>(parent);
}

void prepareBrowserEngine() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The browser's shaders are not kept in a cache of the user's: nothing of Korvane's outside its
    // own folder.
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    if (platform::runningAsRoot() && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX")) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
        std::fputs("korvane: running as root, so the web pane's browser runs without its sandbox\n", stderr);
    }
}

} // namespace korvane
