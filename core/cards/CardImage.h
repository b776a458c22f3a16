#pragma once
// An image control showing one picture of the image list, scaled crisply to its size.
// It remembers which list picture it shows, so games can ask whether it shows "BACK" or "EMPTY".
#include <QWidget>
#include <functional>

class CardImage : public QWidget {
    Q_OBJECT
public:
    explicit CardImage(QWidget* parent = nullptr);

    // 0: no picture.
    int picture() const { return m_picture; }
    void setPicture(int listIndex);
    // Shows the picture carrying `key` now; a key no picture carries clears it.
    void setPictureByKey(const QString& key);
    // Whether the picture shown carries `key` at this moment.
    bool shows(const QString& key) const;

    // 0 none, 1 fixed single.
    int borderStyle() const { return m_borderStyle; }
    void setBorderStyle(int style);

    std::function<void()> onClick;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

private:
    int m_picture = 0;
    int m_borderStyle = 0;
};
