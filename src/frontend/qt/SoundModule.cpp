// Quillon's sound module: Qt Multimedia, loaded at the first sound (see SoundPlayer), so that
// the window starts without it and the audio system's libraries. It plays one sound at a time
// from memory on the system's default audio output; playing another stops it.
#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string>

#include "SoundModule.h"

namespace {

struct Playing {
    std::unique_ptr<QBuffer> buffer;
    std::unique_ptr<QAudioSink> sink;  // goes first: it reads the buffer
};

Playing& Current() {
    static Playing playing;
    return playing;
}

int Refuse(const std::string& why, char* said, size_t capacity) {
    if (capacity > 0) {
        std::strncpy(said, why.c_str(), capacity - 1);
        said[capacity - 1] = '\0';
    }
    return 0;
}

}  // namespace

extern "C" Q_DECL_EXPORT void quillon_stop_sound() {
    Playing& playing = Current();
    if (playing.sink) {
        playing.sink->stop();
    }
    playing.sink.reset();
    playing.buffer.reset();
}

extern "C" Q_DECL_EXPORT int quillon_play_sound(const char* samples, size_t size, unsigned rate,
                                                unsigned channels, unsigned bits, char* why,
                                                size_t whyCapacity) {
    quillon_stop_sound();
    // Stopped while the application still stands: the audio output goes with it.
    static const bool stopsAtTheEnd = (qAddPostRoutine(quillon_stop_sound), true);
    (void)stopsAtTheEnd;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        return Refuse("the system has no audio output", why, whyCapacity);
    }
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(rate));
    format.setChannelCount(static_cast<int>(channels));
    format.setSampleFormat(bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        return Refuse("the audio output \"" + device.description().toStdString() +
                          "\" does not play " + std::to_string(rate) + " Hz, " +
                          std::to_string(bits) + "-bit sound",
                      why, whyCapacity);
    }
    Playing& playing = Current();
    playing.buffer = std::make_unique<QBuffer>();
    playing.buffer->setData(QByteArray(samples, static_cast<qsizetype>(size)));
    playing.buffer->open(QIODevice::ReadOnly);
    playing.sink = std::make_unique<QAudioSink>(device, format);
    playing.sink->start(playing.buffer.get());
    if (playing.sink->error() != QAudio::NoError) {
        quillon_stop_sound();
        return Refuse("the audio output refused the sound", why, whyCapacity);
    }
    return 1;
}
