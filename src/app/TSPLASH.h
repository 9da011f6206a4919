#pragma once
// The splash window: shown before the main window exists, while the data loads; it releases
// itself the first time it loses the activation.

#include <QWidget>

namespace korvane {

class TSPLASH : public QWidget {
    Q_OBJECT
public:
    TSPLASH();

    void FromDeactive();

protected:
    void changeEvent(QEvent* event) override;

private:
    bool wasActive_ = false;
};

} // namespace korvane
