#pragma once

#include <string>

#include "sim/virtual_controller.h"

// The virtual controller on a Linux USB HID gadget node (/dev/hidgN). Output reports
// arrive on the node without their report ID (14 bytes); input reports leave it as 18
// bytes.

// Answers on the gadget node until StopServing, reopening it after each unbind and bind.
void ServeGadget(const std::string& path, VirtualController& controller);
// Ends ServeGadget within a few milliseconds; safe to call from a signal handler.
void StopServing();
