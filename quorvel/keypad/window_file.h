// The window file LCTDX.DAT: the keypad window's position (twips) and layout,
// one line of seven fields: left,top,layout,spare1..spare4 CR LF.
#pragma once

#include "quorvel/program_place.h"

#include <filesystem>
#include <string>

namespace quorvel {

struct Shared;

// Reads the seven fields. False (and nothing changed) when the file is
// missing or unreadable, holds fewer than seven fields, or its position is
// not a usable number.
bool ReadWindowFile(Shared& shared, const std::filesystem::path& file);

// The file's bytes for the current values.
std::string windowFileBytes(const Shared& shared);

// Replaces the file with the current values. False when it cannot be written
// (the caller goes on silently).
bool WriteWindowFile(const Shared& shared, const std::filesystem::path& file);

// The start: reads the file; on any failure takes 120, 120 and the small
// layout and writes them as a new file.
void loadWindowFile(Shared& shared, const std::filesystem::path& file);
// The same, reading from and writing to the place's files.
void loadWindowFile(Shared& shared, const ProgramPlace& place);

// A stored position that can place a window: a finite number that converts to
// the screen's integer pixels.
bool usablePosition(double twips);

// Pulls a stored position into the screen (all values in twips): left and top
// first, then right and bottom, so a window larger than the screen gets a
// negative edge.
void clampToScreen(double& left, double& top, double width, double height,
                   double screenWidth, double screenHeight);

} // namespace quorvel
