#include "theme_check.h"

#include <QRect>

#include "theme_files.h"

namespace {

// The largest object mask the game's wall test covers.
constexpr int kMaxMaskWidth = 281;
constexpr int kMaxMaskHeight = 265;

bool maskFollowsPicture(const Surface& picture, const Surface& mask)
{
    if (picture.width() != mask.width() || picture.height() != mask.height())
        return false;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Rgb expected = *picture.pixel(x, y) == kWhite ? kWhite : kBlack;
            if (*mask.pixel(x, y) != expected)
                return false;
        }
    }
    return true;
}

bool solid(const Surface& mask, int x, int y)
{
    const std::optional<Rgb> colour = mask.pixel(x, y);
    return colour && *colour == kBlack;
}

bool masksOverlap(const Surface& a, int ax, int ay, const Surface& b, int bx, int by)
{
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (solid(a, x, y) && solid(b, x + ax - bx, y + ay - by))
                return true;
        }
    }
    return false;
}

QRect placed(int x, int y, const Surface& picture)
{
    return QRect(x, y, picture.width(), picture.height());
}

class Findings {
public:
    void require(bool condition, const std::string& message)
    {
        if (!condition)
            m_messages.push_back(message);
    }
    std::vector<std::string> take() { return std::move(m_messages); }

private:
    std::vector<std::string> m_messages;
};

}  // namespace

std::vector<std::string> checkShippedTheme(const ThemePackage& package)
{
    Findings findings;
    const int count = static_cast<int>(package.objects.size());
    findings.require(count >= 1 && count <= ThemeFiles::kMaxObjects,
                     "holds " + std::to_string(count) + " objects, not 1 to 21");
    findings.require(package.background && !package.background->isEmpty(), "has no background");
    const QRect canvas =
        package.background ? QRect(0, 0, package.background->width(), package.background->height()) : QRect();

    const QRect box = placed(package.boxX, package.boxY, package.boxPicture);
    findings.require(maskFollowsPicture(package.boxPicture, package.boxMask),
                     "the container box's mask does not follow its picture");
    findings.require(canvas.contains(box), "the container box reaches beyond the background");

    std::vector<QRect> tubes;
    for (int i = 0; i < count; ++i) {
        const ThemeObject& object = package.objects[i];
        const std::string name = "object " + std::to_string(i);
        findings.require(maskFollowsPicture(object.picture, object.mask),
                         name + ": its mask does not follow its picture");
        findings.require(maskFollowsPicture(object.tube, object.tubeMask),
                         name + ": its tube's mask does not follow the tube's picture");
        findings.require(object.mask.width() <= kMaxMaskWidth && object.mask.height() <= kMaxMaskHeight,
                         name + ": its mask is larger than the wall test covers");

        const int restX = object.tubeX + 5;
        const int restY = object.tubeY + object.tube.height() - 5 - object.picture.height();
        findings.require(object.x == restX && object.y == restY,
                         name + ": it does not start at its resting place in the tube");
        findings.require(!masksOverlap(object.mask, restX, restY, object.tubeMask, object.tubeX, object.tubeY),
                         name + ": it touches its tube at its resting place");
        findings.require(canvas.contains(placed(restX, restY, object.picture)),
                         name + ": its resting place reaches beyond the background");

        const QRect tube = placed(object.tubeX, object.tubeY, object.tube);
        findings.require(canvas.contains(tube), name + ": its tube reaches beyond the background");
        findings.require(!tube.intersects(box), name + ": its tube stands in the container box");
        for (int j = 0; j < i; ++j)
            findings.require(!tube.intersects(tubes[j]),
                             name + ": its tube overlaps the tube of object " + std::to_string(j));
        tubes.push_back(tube);
    }
    return findings.take();
}

std::vector<std::string> compareWithWritten(const ThemePackage& written, const ThemePackage& readBack)
{
    Findings findings;
    findings.require(readBack.objects.size() == written.objects.size(), "a different number of objects was read back");
    for (std::size_t i = 0; i < std::min(written.objects.size(), readBack.objects.size()); ++i) {
        const ThemeObject& a = written.objects[i];
        const ThemeObject& b = readBack.objects[i];
        findings.require(a.x == b.x && a.y == b.y && a.tubeX == b.tubeX && a.tubeY == b.tubeY,
                         "object " + std::to_string(i) + ": its positions read back differently");
        findings.require(a.picture == b.picture && a.mask == b.mask && a.tube == b.tube && a.tubeMask == b.tubeMask,
                         "object " + std::to_string(i) + ": its pictures read back differently");
    }
    findings.require(readBack.background && written.background && *readBack.background == *written.background,
                     "the background reads back differently");
    findings.require(readBack.boxX == written.boxX && readBack.boxY == written.boxY &&
                         readBack.boxPicture == written.boxPicture && readBack.boxMask == written.boxMask,
                     "the container box reads back differently");
    findings.require(
        readBack.hasDetails && readBack.description == written.description && readBack.dateLine == written.dateLine,
        "the description or date line reads back differently");
    return findings.take();
}
