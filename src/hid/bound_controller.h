#pragma once

#include <string>
#include <vector>

#include "hid/found_controller.h"

// The controller a window works with once it has one: the one in its port, as it was
// plugged in. Arrival and removal records name a make, not a unit (every controller of
// the make has the same IDs and serial), so after each record the window looks at what is
// plugged in and this decides what that means for its own: other controllers' comings and
// goings change nothing; a controller plugged into its port again is its own, as a new
// plug-in; one in another port is never its own unless the person chooses it.
class BoundController {
  public:
    enum class Change {
        kNone,           // nothing happened to it (others may have come or gone)
        kLeft,           // it was unplugged
        kPluggedInAgain  // a controller is in its port again: a new plug-in, taken
    };

    // Bound to a controller that was just linked or chosen.
    void Bind(const FoundController& controller);
    // Bound to a port before anything is there (chosen at start): the first controller
    // plugged into it is taken.
    void BindPort(const std::string& port);
    bool bound() const { return !place_.empty(); }
    // Its port (or, where the system gives none, its path).
    const std::string& place() const { return place_; }
    // As last seen; the path and serial are those of the last plug-in.
    const FoundController& controller() const { return controller_; }
    bool present() const { return present_; }

    // What the controllers plugged in now mean for the bound one.
    Change Look(const std::vector<FoundController>& present);
    // The controllers in other places than its own, as offered to the person.
    std::vector<FoundController> Others(const std::vector<FoundController>& present) const;

  private:
    std::string place_;
    FoundController controller_;
    bool present_ = false;
};

// Where a controller is plugged in, as the window tells controllers apart: its port, or
// its path where the system gives no port.
std::string PlaceOf(const FoundController& controller);

// "port 1-1, serial 0001": a controller for the window, without the system's node.
std::string NameController(const FoundController& controller);
