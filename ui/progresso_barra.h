#pragma once
// Long work reports its progress by setting a bar's maximum and then its value. The value is
// painted at once, with no event processing, so no second command can start mid-run.

#include "storage/caricamento.h"

class QProgressBar;

namespace strovel {

/// A Progresso that drives `barra`.
Progresso ProgressoSuBarra(QProgressBar* barra);

} // namespace strovel
