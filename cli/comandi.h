#pragma once
// Every command of strovel-cli, one factory per command file; the table of commands
// (registro.cpp) lists them in the order the help shows them.

#include <memory>

namespace strovel::cli {

class Comando;

// The archive itself.
std::unique_ptr<Comando> CreaComandoCreaArchivio();
std::unique_ptr<Comando> CreaComandoInfo();
std::unique_ptr<Comando> CreaComandoDemoArchivio();
std::unique_ptr<Comando> CreaComandoAggiorna();
std::unique_ptr<Comando> CreaComandoEsporta();
// The cycle modules.
std::unique_ptr<Comando> CreaComandoCicli();
std::unique_ptr<Comando> CreaComandoCicli2();
std::unique_ptr<Comando> CreaComandoCicliAmbi();
// The forecasting methods.
std::unique_ptr<Comando> CreaComandoAmbataDinamica();
std::unique_ptr<Comando> CreaComandoCinquinaSpiona();
std::unique_ptr<Comando> CreaComandoRitardi();
std::unique_ptr<Comando> CreaComandoMaltese();
std::unique_ptr<Comando> CreaComandoAmboSomme();

} // namespace strovel::cli
