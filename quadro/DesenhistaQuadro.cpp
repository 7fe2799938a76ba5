#include "DesenhistaQuadro.h"

#include <QThread>

#include <future>

QByteArray TDesenhistaQuadro::Desenha(std::function<QByteArray()> desenho) {
    if (QThread::currentThread() == thread()) {
        return desenho();
    }
    auto tarefa = std::make_shared<std::packaged_task<QByteArray()>>(std::move(desenho));
    std::future<QByteArray> resultado = tarefa->get_future();
    QMetaObject::invokeMethod(this, [tarefa] { (*tarefa)(); }, Qt::QueuedConnection);
    return resultado.get();
}
