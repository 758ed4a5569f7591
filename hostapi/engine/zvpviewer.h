#pragma once

/// The engine's viewer library.
namespace zvp {

/// Display options of a viewer.
class CViewerOptions
{
public:
    virtual ~CViewerOptions() = default;
    /// Shows or hides the axes; the library's drawset viewer turns them off.
    virtual void SetViewAxesEnabled(bool enabled) { m_axes = enabled; }
    /// Host side: whether the axes are shown. The library does not call it.
    virtual bool ViewAxesEnabled() const { return m_axes; }

private:
    bool m_axes = true;
};

/// The viewer behind a drawing editor (ZVectorDrawingEditor::getViewer).
class CViewer
{
public:
    virtual ~CViewer() = default;
    /// The viewer's options; never null.
    virtual CViewerOptions* Options() { return &m_options; }

private:
    CViewerOptions m_options;
};

} // namespace zvp
