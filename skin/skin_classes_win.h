// The skin engine's classes in the Windows program: registered with the description
// reader, with the older-format message shown through the message-box seam.
#pragma once

namespace telvana {

// Idempotent; also run by the registrar object that every program carrying the stored
// window descriptions links.
void RegisterSkinClasses();

}  // namespace telvana
