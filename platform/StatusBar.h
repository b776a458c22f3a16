#pragma once
#include <QStatusBar>
#include <vector>

class QLabel;

namespace platform {

// A status bar of numbered text panels (1-based, as the original numbers them).
class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr, int panels = 1);

    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);
    QLabel* panel(int panel) const;

private:
    std::vector<QLabel*> m_panels;
};

} // namespace platform
