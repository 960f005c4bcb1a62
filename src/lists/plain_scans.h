// The whole-database scans in their plain form: one ReadRecord per record, every field through
// its accessor, family membership by linear search and the distance by brute force. The
// commands run the quick forms (orbit_type.h, family.h, names.h, inclination.h); these stay as
// the reference whose every observable effect the quick forms must reproduce.
#pragma once

#include "lists/family.h"
#include "lists/orbit_type.h"
#include "lists/scan.h"

namespace quorvane {

ScanEnd ExtractOrbitTypeListPlain(const ScanPorts& ports, const OrbitTypeChoice& choice);
ScanEnd ExtractFamilyPlain(const ScanPorts& ports, const ToleranceSetting& tolerance);
ScanEnd ExtractNamesPlain(const ScanPorts& ports);
ScanEnd ScanHighestInclinationPlain(const ScanPorts& ports);

} // namespace quorvane
