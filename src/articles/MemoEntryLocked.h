#pragma once

#include <stdexcept>

// Refusal to delete, hide or replace an article while it is being read.
class EMemoEntryLocked : public std::runtime_error
{
public:
    EMemoEntryLocked() : std::runtime_error("Memo Entry Locked") {}
};
