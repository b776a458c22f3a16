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

    // A caption wider than the label is drawn in a smaller font instead of being cut, down to a size
    // still legible, below which its end gives way to an ellipsis; the label's own font and size stay
    // as they are.
    void setShrinkToFit(bool shrink);
    // The font the caption is drawn in, and what is drawn of it.
    QFont shownFont() const;
    QString shownText() const;

    std::function<void()> onChange;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    long m_foreColor = 0;
    bool m_shrinkToFit = false;
    int textRoom() const;
};

} // namespace platform
