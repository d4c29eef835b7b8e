// The texts of the DEVICE RECOGNITION page and its outcome report, in the
// 13 UI languages: the three instruction steps, the support sentence and
// the boxes about the USB interfaces and another device. Any language
// index outside 0..12 gives English.
#pragma once
#include "framework/String.h"

namespace rectext {

enum Id {
    kStepPowerOff,     // "1. Power off your product and connect it ... cable.\n\n\n"
    kStepPowerOn,      // "2. Power on your %s product.\n\n\n" (brand word)
    kStepPressButton,  // "%d. Press the [%s >] button.\r\n" (step, NEXT caption)
    kSupportMail,      // "Send email to Technical Support (%s) ... [%s] menu.\n" (address, menu item)
    kUsbCount,         // "USB interface(s) %s than expected is(are) %s.\n%s"
    kLess,             // comparative of kUsbCount: fewer interfaces
    kMore,             // comparative: more interfaces
    kObtained,         // participle: the interfaces the USB scan obtained
    kFound,            // participle: the interfaces the DFU library found
    kUsbProblem,       // "There is problem in the USB interface.\n%s" (support sentence)
    kOtherDevice,      // "A device other than the %s is recognized. ...\n" (model name)
    kCount
};

void Get(CString& out, Id id, int language);
CString Get(Id id, int language);

// Languages whose kUsbCount takes the participle before the comparative.
bool UsbCountParticipleFirst(int language);

}  // namespace rectext
