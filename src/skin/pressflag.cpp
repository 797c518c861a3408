#include "pressflag.h"

void PressFlag::setHeld(bool held)
{
    if (m_held == held)
        return;
    m_held = held;
    emit changed(held);
}
