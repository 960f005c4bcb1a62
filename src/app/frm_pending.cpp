// Handlers whose commands are being built; each moves to its own file when its core lands.
#include "app/tfrmquorvane.h"

namespace quorvane::app {

void TfrmQuorvane::btnWikiFRClick() {}
void TfrmQuorvane::btnSpecialClick() {}
void TfrmQuorvane::rgpTypeClick(int) {}
void TfrmQuorvane::btnFamilyClick() {}
void TfrmQuorvane::btnExtractNamesClick() {}
void TfrmQuorvane::Button1Click() {}
void TfrmQuorvane::edtDiameterExit() {}
void TfrmQuorvane::edtAlbedoExit() {}
void TfrmQuorvane::edtDensityExit() {}

} // namespace quorvane::app
