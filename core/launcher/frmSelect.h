#pragma once
// The start window: one button per game, the web-site and Close buttons, and the splash ring of cards.
#include <QWidget>
#include <array>

class QGroupBox;
class QPushButton;
class CardImage;
namespace platform {
class Timer;
}

class frmSelect : public QWidget {
    Q_OBJECT
public:
    explicit frmSelect(QWidget* parent = nullptr);

    // The launcher of this run; games show it again when their windows close.
    static frmSelect* instance();

    // Splash state kept between ticks.
    struct Splash {
        int Position = 0;
        bool Forward = false;
        bool ShowBacks = false;
        int BackIndex = 0;
    };
    const Splash& splash() const { return m_splash; }

    QGroupBox* frmGameChoice;
    QPushButton* cmdTallies;
    QPushButton* cmdStackjack;
    QPushButton* cmdQuickjack;
    QPushButton* cmdSpires;
    QPushButton* cmdDuetto;
    QPushButton* cmdGridhand;
    QPushButton* cmdCairnwell;
    QPushButton* cmdLaunchBrowser;
    QPushButton* cmdClose;
    std::array<CardImage*, 8> imgSplashImage{};
    platform::Timer* Timer1;

    void Timer1_Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent*) override;

private:
    void Form_Load();
    void launchGame(const QString& tagline);
    void cmdLaunchBrowser_Click();
    void cmdClose_Click();

    Splash m_splash;
};

// Shows the launcher again (a game window closing).
void showLauncher();
