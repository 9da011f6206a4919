#pragma once
// Answers the program's modal boxes the way a user would: it watches for the active modal box,
// notes what it says and clicks one of its buttons.

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QTimer>

namespace korvane::test {

// The confirmation box's two answers.
inline const QString kYes = QStringLiteral("はい(&Y)");
inline const QString kNo = QStringLiteral("いいえ(&N)");

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    Qt::TextFormat format = Qt::AutoText;
    QString defaultButton;
    QString escapeButton;
};

class ModalAnswerer : public QObject {
public:
    // Clicks the button with this text; an empty text means the box's default button.
    explicit ModalAnswerer(QString answer = {});

    void setAnswer(const QString& answer) { answer_ = answer; }
    // The next boxes get these answers, one each, before the standing answer applies again.
    void setAnswers(const QStringList& answers) { queued_ = answers; }
    void clear() {
        seen_.clear();
        queued_.clear();
    }
    const QList<SeenBox>& seen() const { return seen_; }
    QStringList texts() const;

private:
    void poll();

    QString answer_;
    QStringList queued_;
    QList<SeenBox> seen_;
    QTimer timer_;
};

} // namespace korvane::test
