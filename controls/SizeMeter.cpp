#include "controls/SizeMeter.h"

#include "controls/SizeMeterWindow.h"

namespace bb::controls {

CSizeMeter::CSizeMeter() = default;
CSizeMeter::~CSizeMeter() = default;

void CSizeMeter::Attach(framework::CDialog* dialog, int id) {
    void* control = dialog && dialog->Host() ? dialog->Host()->ItemNativeHandle(id) : nullptr;
    if (m_pWindow && control && m_pWindow->Handle() == control)
        return;
    Bind(dialog, id);
    m_pWindow = controls::AttachSizeMeterWindow(*this, control);
}

int CSizeMeter::LoadStrip(UINT bitmapId) {
    if (!m_pWindow)
        return 1;
    void* owner = m_pOwner && m_pOwner->Host() ? m_pOwner->Host()->NativeHandle() : nullptr;
    return m_pWindow->LoadStrip(bitmapId, owner);
}

void CSizeMeter::SetSize(int mb) {
    m_nSize = mb;
    if (m_pWindow)
        m_pWindow->Repaint();
}

}  // namespace bb::controls
