// The whole-database scans in their plain form: one ReadRecord per record, every field through
// its accessor, the browser moved to every record listed, family membership by linear search
// and the distance by brute force. They are the definition whose every observable effect the
// product's scans must reproduce.
#pragma once

#include "lists/scan.h"
#include "reference/ports.h"

namespace quorvane {

ScanEnd ExtractOrbitTypeListPlain(const ScanPorts& ports, const OrbitTypeChoice& choice);
ScanEnd ExtractFamilyPlain(const ScanPorts& ports, const ToleranceSetting& tolerance);
ScanEnd ExtractNamesPlain(const ScanPorts& ports);
ScanEnd ScanHighestInclinationPlain(const ScanPorts& ports);

} // namespace quorvane
