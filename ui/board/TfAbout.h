#pragma once

#include <QDialog>
#include <QPixmap>

class QLabel;
class QPlainTextEdit;

// The credits: the logo over a read-only text; a left click or Enter closes it.
class TfAbout : public QDialog {
    Q_OBJECT
public:
    explicit TfAbout(const QPixmap& logo, QWidget* parent = nullptr);

    static QString CreditsText();

    QLabel* iLogo;
    QPlainTextEdit* mInfo;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
};
