#pragma once

#include <chrono>

class QLockFile;

// Takes the lock, trying again and again until `wait` has passed. False when it could not be had in time, or
// when the lock file cannot be made at all.
bool lockWithin(QLockFile& lock, std::chrono::milliseconds wait);
