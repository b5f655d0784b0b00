#include "SoundPlayer.h"

#include <QAudioDevice>
#include <QMediaDevices>

namespace quillon::qt {

SoundPlayer::~SoundPlayer() {
    Stop();
}

void SoundPlayer::Stop() {
    if (sink_) {
        sink_->stop();
    }
    sink_.reset();
    buffer_.reset();
}

Status SoundPlayer::Play(const PcmSound& sound) {
    Stop();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        return Status::Failure(ErrorKind::Missing, "the system has no audio output");
    }
    QAudioFormat format;
    format.setSampleRate(static_cast<int>(sound.rate));
    format.setChannelCount(sound.channels);
    format.setSampleFormat(sound.bits == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) {
        return Status::Failure(ErrorKind::Unsuitable,
                               "the audio output \"" + device.description().toStdString() +
                                   "\" does not play " + std::to_string(sound.rate) + " Hz, " +
                                   std::to_string(sound.bits) + "-bit sound");
    }
    buffer_ = std::make_unique<QBuffer>();
    buffer_->setData(
        QByteArray(sound.samples.data(), static_cast<qsizetype>(sound.samples.size())));
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, format);
    sink_->start(buffer_.get());
    if (sink_->error() != QAudio::NoError) {
        Stop();
        return Status::Failure(ErrorKind::Other, "the audio output refused the sound");
    }
    return Status::Success();
}

}  // namespace quillon::qt
