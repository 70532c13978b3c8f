#include "infowin/information_windows.h"

#include "infowin/fgy1.h"
#include "infowin/fgygg1.h"
#include "infowin/fhelp1.h"
#include "infowin/flxxz1.h"
#include "infowin/fmzsm1.h"
#include "infowin/fsygg1.h"
#include "infowin/fyqgg1.h"

namespace telvana {

InformationWindows CreateInformationWindows(ui::TApplication& application) {
  InformationWindows windows;
  windows.about = &application.CreateForm<TFgy1>();
  windows.disclaimer = &application.CreateForm<TFmzsm1>();
  windows.help = &application.CreateForm<TFhelp1>();
  windows.contact = &application.CreateForm<TFlxxz1>();
  windows.publicService = &application.CreateForm<TFgygg1>();
  windows.commercial = &application.CreateForm<TFsygg1>();
  windows.friendship = &application.CreateForm<TFyqgg1>();
  return windows;
}

}  // namespace telvana
