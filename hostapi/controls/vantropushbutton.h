#pragma once

#include <QPushButton>

/// The controls library's push button. With fitText true the button is never narrower than its
/// text, so a long caption is not cut by the layout. The input dialog's buttons are such buttons;
/// its rebar help button is made with fitText true.
class VantroPushButton : public QPushButton
{
    Q_OBJECT
public:
    /// A button without text (as Designer forms create it).
    explicit VantroPushButton(QWidget* parent = nullptr);
    /// A button with text; with fitText true it never gets narrower than its text.
    VantroPushButton(const QString& text, QWidget* parent, bool fitText);
    ~VantroPushButton() override;

    /// Host side: whether the button keeps its text whole. The library does not call it.
    bool fitText() const { return m_fitText; }
    /// At least the text's width when fitText is on.
    QSize minimumSizeHint() const override;

private:
    bool m_fitText = false;
};
