#pragma once

#include <QWidget>

namespace fernwick {

/// The splash card: a frameless window centred on the screen with the calling
/// program's name and the maker's notice. Any click or key press anywhere in
/// the application dismisses it.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(const QString& programName);
    ~SplashWindow() override;

signals:
    void dismissed();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString m_programName;
};

} // namespace fernwick
