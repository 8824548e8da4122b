#pragma once

#include <map>
#include <optional>
#include <string>

#include "config/config_record.h"

// Where the set in the editors came from: a controller (its plug-in, place and name), a
// file, or an entry of the history (described); all empty for the blank set.
struct EditorsOrigin {
    std::string instance, place, name, file, entry;
};

// What the window knows of each controller of this session, by its plug-in, while it works
// with another: the set the controller held at the window's last read or store, and the
// person's changes that were not stored into it, given back at a switch back; and the unit
// the person gave it, which a new plug-in of that port does not have.
class SetsByPlugIn {
  public:
    struct Edits {
        ConfigRecord edited;  // the editors as the person left them
        ConfigRecord shown;   // the set they were changed from
        EditorsOrigin origin;
    };

    // The window leaves the controller of `plugIn`.
    void Leave(const std::string& plugIn, const std::optional<ConfigRecord>& held,
               std::optional<Edits> edits);
    // What that controller held, as far as the window knew when it left it.
    std::optional<ConfigRecord> Held(const std::string& plugIn) const;
    // The changes left behind for that controller, handed back once.
    std::optional<Edits> TakeEdits(const std::string& plugIn);

    // The unit (bike, frame, order) of the controller of `plugIn`; "" clears it.
    void SetUnit(const std::string& plugIn, const std::string& unit);
    std::string Unit(const std::string& plugIn) const;

  private:
    std::map<std::string, std::string> units_;
    std::map<std::string, ConfigRecord> held_;
    std::map<std::string, Edits> edits_;
};
