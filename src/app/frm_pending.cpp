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
void TfrmQuorvane::mnuPopupPopup() {}
void TfrmQuorvane::actCopyExecute() {}
void TfrmQuorvane::actFindExecute() {}
void TfrmQuorvane::actFindAgainExecute() {}
void TfrmQuorvane::actFindAgainBackwardExecute() {}

} // namespace quorvane::app
