#pragma once
#include <QLabel>
#include <functional>

namespace platform {

// A label whose Change handler runs at once, and only when its caption really changes.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr, const QString& caption = {});

    QString caption() const { return text(); }
    void setCaption(const QString& caption);

    long foreColor() const { return m_foreColor; }
    void setForeColor(long bgr);

    // Repaints now: used where a count-up blocks the event loop.
    void refresh() { repaint(); }

    std::function<void()> onChange;

private:
    long m_foreColor = 0;
};

} // namespace platform
