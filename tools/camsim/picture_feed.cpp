#include "camsim/picture_feed.h"

#include "camsim/http_responses.h"

namespace vistrel::camsim {

const PicturePart& PictureFeed::renderNext() {
    const std::vector<std::uint8_t> jpeg = source_.render(QDateTime::currentDateTime());
    const std::string header = picturePartHeader(jpeg.size());
    QByteArray part;
    const std::size_t partSize = header.size() + jpeg.size() + 2;
    part.reserve(static_cast<qsizetype>(partSize));
    part.append(header.data(), static_cast<qsizetype>(header.size()));
    part.append(reinterpret_cast<const char*>(jpeg.data()), static_cast<qsizetype>(jpeg.size()));
    part.append("\r\n", 2);
    latest_ = {latest_.sequence + 1, part};
    return latest_;
}

const PicturePart& PictureFeed::newerThan(std::uint64_t seen) {
    return latest_.sequence > seen ? latest_ : renderNext();
}

} // namespace vistrel::camsim
