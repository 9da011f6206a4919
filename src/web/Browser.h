#pragma once
// The web pane's browser, as the program sees it: five operations. Nothing else in the program
// knows which engine stands behind them. Navigation never blocks: pages load by themselves.

#include <QString>
#include <QUrl>
#include <functional>
#include <memory>

class QWidget;

namespace korvane {

class Browser {
public:
    Browser() = default;
    Browser(const Browser&) = delete;
    Browser& operator=(const Browser&) = delete;
    virtual ~Browser() = default;

    // A page that fails to load is said through loaded.
    virtual void Navigate(const QUrl& url) = 0;
    // Without a page to go to, nothing happens.
    virtual void GoBack() = 0;
    virtual void GoForward() = 0;
    // The title and address of the page on show, as the browser reports them at this moment.
    virtual QString LocationName() const = 0;
    virtual QString LocationURL() const = 0;

    virtual QWidget* widget() = 0;

    // Told when a page has loaded, or could not be (ok false), with its address.
    std::function<void(bool ok, const QString& address)> loaded;
};

std::unique_ptr<Browser> createBrowser(QWidget* parent);

// Before the application object exists: as root the engine's sandbox refuses to run, so only
// then it is turned off, and that is said on standard error.
void prepareBrowserEngine();

} // namespace korvane
