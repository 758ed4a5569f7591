#pragma once

#include <QFrame>
#include <QPointer>

/// A tip that hangs under its anchor widget (a button) and shows a content widget, with a small
/// arrow pointing at the anchor. It is a tool window of its owner, so it can reach below the
/// owner's edge; it hides when the user presses a mouse button elsewhere in a watched widget.
/// The input dialog shows its rebar input help in one, anchored at the help button.
class OrbTipWidget : public QFrame
{
    Q_OBJECT
public:
    /// Wraps content (which the tip takes over) in a tip owned by owner and anchored at anchor.
    /// Null when owner, anchor or content is null (the caller then still owns content). The tip
    /// is not shown yet.
    static OrbTipWidget* createTipWidget(QWidget* owner, QWidget* anchor, QWidget* content);

    ~OrbTipWidget() override; ///< Deletes the content with the tip.

    /// Watches widget and every widget inside it: a mouse press there, outside the tip and its
    /// anchor, hides the tip; so does hiding widget itself.
    void addWidgetEventFilter(QWidget* widget);

    /// Host side: the widget the tip hangs under; null once it is gone. The library does not call it.
    QWidget* anchor() const { return m_anchor; }
    /// Host side: the widget the tip shows; null once it is gone. The library does not call it.
    QWidget* content() const { return m_content; }
    /// Places the tip under its anchor (above it when the screen has no room below). Every show
    /// does it; the library does not call it.
    void placeAtAnchor();

protected:
    /// Hides the tip on a mouse press in a watched widget outside tip and anchor.
    bool eventFilter(QObject* watched, QEvent* event) override;
    /// Places the tip at its anchor.
    void showEvent(QShowEvent* event) override;
    /// Draws the frame and the arrow.
    void paintEvent(QPaintEvent* event) override;

private:
    OrbTipWidget(QWidget* owner, QWidget* anchor, QWidget* content);
    bool isWatched(QWidget* widget) const;

    QPointer<QWidget> m_anchor;
    QPointer<QWidget> m_content;
    QList<QPointer<QWidget>> m_watched;
    bool m_above = false;
    int m_arrowX = 16;
};
