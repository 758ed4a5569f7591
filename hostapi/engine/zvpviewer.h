#pragma once

namespace zvp {

class CViewerOptions
{
public:
    virtual ~CViewerOptions() = default;
    virtual void SetViewAxesEnabled(bool enabled) { m_axes = enabled; }
    virtual bool ViewAxesEnabled() const { return m_axes; }

private:
    bool m_axes = true;
};

class CViewer
{
public:
    virtual ~CViewer() = default;
    virtual CViewerOptions* Options() { return &m_options; }

private:
    CViewerOptions m_options;
};

} // namespace zvp
