#include "ui/avisos.h"

#include <QStringList>

namespace tarvello {

QString textoavisos(const std::vector<std::string>& avisos, size_t maximo) {
    QStringList linhas;
    for (size_t i = 0; i < avisos.size() && i < maximo; ++i) linhas << QString::fromStdString(avisos[i]);
    if (avisos.size() > maximo) linhas << QString("... e mais %1 avisos.").arg(avisos.size() - maximo);
    return linhas.join('\n');
}

}  // namespace tarvello
