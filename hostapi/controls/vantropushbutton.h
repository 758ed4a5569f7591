#pragma once

#include <QPushButton>

// The controls library's push button. With fitText true the button is never narrower than its
// text, so a long caption is not cut by the layout.
class VantroPushButton : public QPushButton
{
    Q_OBJECT
public:
    explicit VantroPushButton(QWidget* parent = nullptr);
    VantroPushButton(const QString& text, QWidget* parent, bool fitText);
    ~VantroPushButton() override;

    bool fitText() const { return m_fitText; }
    QSize minimumSizeHint() const override;

private:
    bool m_fitText = false;
};
