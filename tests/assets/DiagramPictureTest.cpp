// The embedded block-diagram pictures of the three demonstration windows: their file format and
// palette, and the colour of every element at the coordinates the windows' layouts rely on.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The standard palette of 16-colour bitmaps, in index order.
constexpr QRgb Black = 0xFF000000, Maroon = 0xFF800000, Green = 0xFF008000, Olive = 0xFF808000;
constexpr QRgb Navy = 0xFF000080, Purple = 0xFF800080, Teal = 0xFF008080, Grey = 0xFF808080;
constexpr QRgb Silver = 0xFFC0C0C0, Red = 0xFFFF0000, Lime = 0xFF00FF00, Yellow = 0xFFFFFF00;
constexpr QRgb Blue = 0xFF0000FF, Fuchsia = 0xFFFF00FF, Aqua = 0xFF00FFFF, White = 0xFFFFFFFF;
const std::vector<QRgb> Standard16 = {Black,  Maroon, Green, Olive,  Navy, Purple,  Teal, Grey,
                                      Silver, Red,    Lime,  Yellow, Blue, Fuchsia, Aqua, White};

const char* const SingleInput = ":/assets/pictures/form1-diagram.bmp";
const char* const TwoInputs = ":/assets/pictures/form2-diagram.bmp";
const char* const Network = ":/assets/pictures/form3-diagram.bmp";

// The header fields of a BMP file with a BITMAPINFOHEADER, read straight from its bytes.
struct BmpFile {
    QByteArray bytes;
    quint32 Field(int offset, int size) const
    {
        quint32 value = 0;
        for (int i = size - 1; i >= 0; --i)
            value = value << 8 | quint8(bytes.at(offset + i));
        return value;
    }
    std::vector<QRgb> Palette() const
    {
        std::vector<QRgb> colours;
        const int used = Field(46, 4) != 0 ? int(Field(46, 4)) : 1 << Field(28, 2);  // 0: all 2^bits
        for (int i = 0; i < used && 14 + 40 + 4 * i + 3 < bytes.size(); ++i) {
            const int at = 14 + 40 + 4 * i;
            colours.push_back(qRgb(quint8(bytes.at(at + 2)), quint8(bytes.at(at + 1)), quint8(bytes.at(at))));
        }
        return colours;
    }
};

BmpFile ReadFile(const char* path)
{
    QFile file(QString::fromLatin1(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    return {file.readAll()};
}

std::vector<QRgb> Sorted(std::vector<QRgb> colours)
{
    std::sort(colours.begin(), colours.end());
    return colours;
}

// A block of pixels x0..x1 by y0..y1 (both ends included) that must all have one colour. On a slanted stroke
// the pixels are steps of the slope, which the larger pictures draw at their finer pixels.
struct Area {
    const char* element;
    int x0, x1, y0, y1;
    QRgb colour;
    bool onSlope = false;
};

// Empty when the whole area has its colour; otherwise names the first pixel that differs.
std::string FirstMismatch(const QImage& image, const Area& area)
{
    for (int y = area.y0; y <= area.y1; ++y)
        for (int x = area.x0; x <= area.x1; ++x)
            if (image.pixel(x, y) != area.colour)
                return QStringLiteral("(%1, %2) is %3").arg(x).arg(y).arg(image.pixel(x, y), 8, 16).toStdString();
    return {};
}

// The areas at `scale`: each pixel of the picture is a square of scale x scale pixels there.
void ExpectAreas(const char* path, const std::vector<Area>& areas, int scale = 1)
{
    const QImage image(QString::fromLatin1(path));
    ASSERT_FALSE(image.isNull()) << path;
    for (const Area& area : areas) {
        if (scale > 1 && area.onSlope) {
            // The middle of each square: the slope passes through the middle of each of its steps.
            for (int y = area.y0; y <= area.y1; ++y)
                for (int x = area.x0; x <= area.x1; ++x) {
                    const int middle = scale / 2;
                    EXPECT_EQ(image.pixel(x * scale + middle, y * scale + middle), area.colour)
                        << area.element << " at " << x << ", " << y;
                }
            continue;
        }
        const Area scaled{
            area.element, area.x0 * scale, area.x1 * scale + scale - 1, area.y0 * scale, area.y1 * scale + scale - 1,
            area.colour};
        ASSERT_TRUE(
            image.rect().contains(QRect(scaled.x0, scaled.y0, scaled.x1 - scaled.x0 + 1, scaled.y1 - scaled.y0 + 1)))
            << area.element;
        EXPECT_EQ(FirstMismatch(image, scaled), "") << area.element;
    }
}

}  // namespace

TEST(DiagramPictures, FileFormatAndPalette)
{
    const std::vector<QRgb> seven = {Silver, Navy, Red, Yellow, Maroon, Olive, Black};
    struct Case {
        const char* path;
        int width, height, bits;
        std::vector<QRgb> palette;
        bool paletteInOrder;
    };
    const Case cases[] = {
        {SingleInput, 561, 130, 8, seven, false},
        {TwoInputs, 565, 244, 4, Standard16, true},
        {Network, 740, 227, 4, Standard16, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const BmpFile file = ReadFile(c.path);
        ASSERT_GE(file.bytes.size(), 54);
        EXPECT_EQ(file.bytes.left(2), "BM");
        EXPECT_EQ(file.Field(14, 4), 40u);  // BITMAPINFOHEADER
        EXPECT_EQ(file.Field(18, 4), quint32(c.width));
        EXPECT_EQ(file.Field(22, 4), quint32(c.height));  // positive: rows run bottom-up
        EXPECT_EQ(file.Field(28, 2), quint32(c.bits));
        EXPECT_EQ(file.Field(30, 4), 0u);  // uncompressed
        const int stride = (c.width * c.bits + 31) / 32 * 4;
        EXPECT_EQ(file.Field(10, 4) + quint32(stride * c.height), quint32(file.bytes.size()));
        EXPECT_EQ(file.Field(2, 4), quint32(file.bytes.size()));
        if (c.paletteInOrder)
            EXPECT_EQ(file.Palette(), c.palette);
        else
            EXPECT_EQ(Sorted(file.Palette()), Sorted(c.palette));

        const QImage image(QString::fromLatin1(c.path));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(c.width, c.height));
        EXPECT_EQ(image.format(), QImage::Format_Indexed8);
        const QList<QRgb> table = image.colorTable();
        EXPECT_EQ(Sorted({table.begin(), table.end()}), Sorted(c.palette));
        // The bottom-left pixel gives the transparent colour: the silver background.
        EXPECT_EQ(image.pixel(0, c.height - 1), Silver);
    }
}

namespace {
std::vector<Area> SingleInputAreas()
{
    return {
        {"columns the control clips off", 529, 560, 0, 129, Silver},
        {"last row, clipped off", 0, 560, 129, 129, Silver},
        {"above the boxes", 0, 528, 0, 5, Silver},
        {"left of the input line", 0, 64, 0, 128, Silver},
        {"above the input line", 65, 200, 0, 47, Silver},
        {"below the input line", 65, 200, 54, 128, Silver},
        {"left of the threshold line", 201, 242, 95, 128, Silver},
        {"between the boxes, above the link", 290, 380, 0, 47, Silver},
        {"between the boxes, below the link", 290, 380, 54, 94, Silver},
        {"right of the threshold line", 250, 528, 95, 128, Silver},
        {"threshold's last row, left corner", 243, 243, 128, 128, Silver},
        {"threshold's last row, right corner", 249, 249, 128, 128, Silver},
        {"between the function box and the arrowhead, above", 471, 495, 0, 47, Silver},
        {"between the function box and the arrowhead, below", 471, 495, 54, 128, Silver},
        {"beyond the arrow tip", 520, 528, 0, 128, Silver},

        {"input line", 65, 208, 48, 53, Red},
        {"sum box frame, top", 201, 289, 6, 12, Red},
        {"sum box frame, bottom", 201, 289, 88, 94, Red},
        {"sum box frame, left", 201, 208, 6, 94, Red},
        {"sum box frame, right", 283, 289, 6, 94, Red},
        {"sum box fringe, top", 209, 282, 13, 13, Maroon},
        {"sum box fringe, bottom", 209, 282, 87, 87, Maroon},
        {"sum box fringe, left", 209, 209, 13, 87, Maroon},
        {"sum box fringe, right", 282, 282, 13, 87, Maroon},
        {"sum box inside, above the sign", 210, 281, 14, 20, Navy},
        {"sum box inside, below the sign", 210, 281, 79, 86, Navy},
        {"sum box inside, left of the sign", 210, 224, 14, 86, Navy},
        {"sum box inside, right of the sign", 267, 281, 14, 86, Navy},
        {"sum sign, top bar", 226, 265, 22, 26, Yellow},
        {"sum sign, bottom bar", 226, 265, 74, 77, Yellow},
        {"sum sign, outer edge of the point", 254, 254, 48, 53, Yellow},

        {"link from the sum box", 283, 389, 48, 53, Red},
        {"function box frame, top", 381, 470, 6, 12, Red},
        {"function box frame, bottom", 381, 470, 88, 94, Red},
        {"function box frame, left", 381, 389, 6, 94, Red},
        {"function box frame, right", 463, 470, 6, 94, Red},
        {"function box fringe, top", 390, 462, 13, 13, Maroon},
        {"function box fringe, bottom", 390, 462, 87, 87, Maroon},
        {"function box fringe, left", 390, 390, 13, 87, Maroon},
        {"function box fringe, right above the arrow", 462, 462, 13, 47, Maroon},
        {"function box fringe, right below the arrow", 462, 462, 54, 87, Maroon},
        {"function box inside, above the letter", 391, 461, 14, 21, Navy},
        {"function box inside, left of the letter", 391, 403, 14, 86, Navy},
        {"function box inside, right of the letter", 449, 461, 14, 86, Navy},
        {"function box inside, below the letter", 391, 461, 80, 86, Navy},
        {"function box inside, between the bars", 414, 446, 30, 46, Navy},
        {"F stem", 404, 411, 22, 77, Yellow},
        {"F top bar", 404, 446, 22, 27, Yellow},
        {"F middle bar", 404, 446, 47, 53, Yellow},

        {"arrow shaft, through the box's fringe", 462, 519, 48, 53, Red},
        {"arrowhead, upper arm's start", 496, 496, 30, 30, Red, true},
        {"arrowhead, lower arm's start", 496, 496, 70, 70, Red, true},
        {"threshold line", 243, 249, 95, 127, Red},
        {"threshold line, last row", 244, 248, 128, 128, Red},
    };
}
}  // namespace

TEST(DiagramPictures, SingleInputNeuron)
{
    ExpectAreas(SingleInput, SingleInputAreas());
}

namespace {
std::vector<Area> TwoInputAreas()
{
    return {
        {"left of the input lines", 0, 62, 0, 243, Silver},
        {"between the input lines", 66, 200, 86, 131, Silver},
        {"above the boxes", 212, 564, 0, 56, Silver},
        {"below the sum box, left of the threshold", 212, 252, 160, 243, Silver},
        {"below the boxes, right of the threshold", 265, 564, 160, 243, Silver},
        {"between the boxes, above the link", 309, 403, 0, 103, Silver},
        {"between the boxes, below the link", 309, 403, 115, 243, Silver},
        {"between the function box and the arrowhead", 506, 528, 60, 103, Silver},
        {"right of the arrow tip", 560, 564, 0, 243, Silver},

        {"input line 1, cut-off end", 64, 64, 7, 15, Red, true},
        {"input line 2, cut-off end", 64, 64, 202, 209, Red, true},
        {"sum box frame, top", 210, 306, 59, 66, Red},
        {"sum box frame, bottom", 210, 306, 150, 157, Red},
        {"sum box frame, left", 210, 217, 59, 157, Red},
        {"sum box frame, right", 299, 306, 59, 157, Red},
        {"sum box inside, left of the sign", 219, 234, 69, 146, Navy},
        {"sum box inside, right of the sign", 282, 297, 69, 146, Navy},
        {"sum box inside, above the sign", 219, 297, 69, 74, Navy},
        {"sum box inside, below the sign", 219, 297, 141, 146, Navy},
        {"sum sign, top bar", 237, 279, 77, 83, Yellow},
        {"sum sign, bottom bar", 237, 279, 133, 138, Yellow},
        {"sum sign, upper stroke under the top bar", 237, 247, 84, 84, Yellow, true},
        {"sum sign, point", 259, 267, 106, 110, Yellow},
        {"sum sign, lower stroke over the bottom bar", 237, 249, 132, 132, Yellow, true},

        {"link from the sum box", 307, 405, 106, 112, Red},
        {"function box frame, top", 406, 503, 59, 66, Red},
        {"function box frame, bottom", 406, 503, 150, 157, Red},
        {"function box frame, left", 406, 413, 59, 157, Red},
        {"function box frame, right", 496, 503, 59, 157, Red},
        {"function box inside, left of the letter", 416, 428, 69, 146, Navy},
        {"function box inside, right of the letter", 482, 493, 69, 146, Navy},
        {"function box inside, above the letter", 416, 493, 69, 74, Navy},
        {"function box inside, below the letter", 416, 493, 142, 146, Navy},
        {"F stem", 431, 438, 77, 138, Yellow},
        {"F top bar", 431, 477, 77, 83, Yellow},
        {"F middle bar", 431, 477, 105, 110, Yellow},

        {"arrow shaft", 504, 557, 106, 112, Red},
        {"arrow tip", 557, 557, 109, 109, Red},
        {"arrowhead, upper arm's start", 531, 531, 86, 86, Red, true},
        {"arrowhead, lower arm's start", 531, 531, 130, 130, Red, true},
        {"threshold line", 255, 262, 158, 233, Red},
    };
}
}  // namespace

TEST(DiagramPictures, TwoInputNeuron)
{
    ExpectAreas(TwoInputs, TwoInputAreas());
}

namespace {
std::vector<Area> NetworkAreas()
{
    return {
        {"left of the input", 0, 10, 0, 226, Silver},
        {"top rows, left of the threshold", 0, 213, 0, 29, Silver},
        {"top rows, right of the threshold", 220, 739, 0, 29, Silver},
        {"between the hidden neurons", 186, 340, 103, 118, Silver},
        {"bottom rows, left of the threshold", 0, 213, 192, 226, Silver},
        {"bottom rows, right of the threshold", 220, 739, 193, 226, Silver},
        {"between the output box and the arrowhead", 655, 709, 60, 106, Silver},
        {"right of the arrow tip", 738, 739, 0, 226, Silver},

        {"input lines' common start", 13, 13, 110, 110, Red},
        {"input line 1 at the sum box", 183, 183, 65, 65, Red},
        {"input line 2 at the sum box", 183, 183, 153, 153, Red},
        {"hidden threshold 1", 216, 217, 0, 31, Red},
        {"hidden threshold 2", 216, 217, 190, 223, Red},

        {"hidden sum box 1, frame top", 184, 252, 32, 32, Red},
        {"hidden sum box 1, frame bottom", 184, 252, 100, 100, Red},
        {"hidden sum box 1, frame left", 184, 184, 32, 100, Red},
        {"hidden sum box 1, frame right", 252, 252, 32, 100, Red},
        {"hidden sum box 1, inner edge top", 185, 251, 33, 33, Maroon},
        {"hidden sum box 1, inner edge bottom", 185, 251, 99, 99, Maroon},
        {"hidden sum box 1, inner edge left", 185, 185, 33, 99, Maroon},
        {"hidden sum box 1, inner edge right", 251, 251, 33, 99, Maroon},
        {"hidden sum box 1, inside left of the sign", 186, 195, 34, 98, Navy},
        {"hidden sum box 1, inside right of the sign", 239, 250, 34, 98, Navy},
        {"hidden sum box 1, inside above the sign", 186, 250, 34, 39, Navy},
        {"hidden sum box 1, inside below the sign", 186, 250, 92, 98, Navy},
        {"hidden sum sign 1, top bar", 198, 236, 42, 45, Yellow},
        {"hidden sum sign 1, bottom bar", 198, 236, 86, 89, Yellow},
        {"hidden sum sign 1, point", 209, 213, 64, 67, Yellow},
        {"hidden link 1, sum to function", 253, 276, 64, 67, Red},
        {"hidden function box 1, frame top", 277, 336, 32, 35, Red},
        {"hidden function box 1, frame bottom", 277, 336, 96, 99, Red},
        {"hidden function box 1, frame left", 277, 280, 32, 99, Red},
        {"hidden function box 1, frame right", 333, 336, 32, 99, Red},
        {"hidden function box 1, inside left of the letter", 283, 289, 38, 93, Navy},
        {"hidden function box 1, inside right of the letter", 325, 330, 38, 93, Navy},
        {"hidden function box 1, inside above the letter", 283, 330, 38, 41, Navy},
        {"hidden function box 1, inside below the letter", 283, 330, 91, 93, Navy},
        {"hidden F 1, stem", 292, 296, 44, 87, Yellow},
        {"hidden F 1, top bar", 292, 320, 44, 49, Yellow},
        {"hidden F 1, middle bar", 292, 320, 64, 67, Yellow},

        {"hidden sum box 2, frame top", 184, 252, 121, 121, Red},
        {"hidden sum box 2, frame bottom", 184, 252, 189, 189, Red},
        {"hidden sum box 2, frame left", 184, 184, 121, 189, Red},
        {"hidden sum box 2, frame right", 252, 252, 121, 189, Red},
        {"hidden sum box 2, inner edge top", 185, 251, 122, 122, Maroon},
        {"hidden sum box 2, inner edge bottom", 185, 251, 188, 188, Maroon},
        {"hidden sum box 2, inner edge left", 185, 185, 122, 188, Maroon},
        {"hidden sum box 2, inner edge right", 251, 251, 122, 188, Maroon},
        {"hidden sum box 2, inside left of the sign", 186, 195, 123, 187, Navy},
        {"hidden sum box 2, inside right of the sign", 239, 250, 123, 187, Navy},
        {"hidden sum box 2, inside above the sign", 186, 250, 123, 128, Navy},
        {"hidden sum box 2, inside below the sign", 186, 250, 181, 187, Navy},
        {"hidden sum sign 2, top bar", 198, 236, 131, 134, Yellow},
        {"hidden sum sign 2, bottom bar", 198, 236, 175, 178, Yellow},
        {"hidden sum sign 2, point", 209, 213, 153, 156, Yellow},
        {"hidden link 2, sum to function", 253, 277, 153, 155, Red},
        {"hidden function box 2, frame top", 278, 337, 122, 125, Red},
        {"hidden function box 2, frame bottom", 278, 337, 187, 190, Red},
        {"hidden function box 2, frame left", 278, 281, 122, 190, Red},
        {"hidden function box 2, frame right", 334, 337, 122, 190, Red},
        {"hidden function box 2, inside left of the letter", 284, 290, 128, 184, Navy},
        {"hidden function box 2, inside right of the letter", 326, 331, 128, 184, Navy},
        {"hidden function box 2, inside above the letter", 284, 331, 128, 132, Navy},
        {"hidden function box 2, inside below the letter", 284, 331, 182, 184, Navy},
        {"hidden F 2, stem", 293, 297, 135, 178, Yellow},
        {"hidden F 2, top bar", 293, 321, 135, 140, Yellow},
        {"hidden F 2, middle bar", 293, 321, 155, 158, Yellow},

        {"link 1 leaving the hidden function box", 337, 337, 66, 66, Red},
        {"link 2 leaving the hidden function box", 338, 338, 153, 153, Red},
        {"links meeting at the output sum box", 498, 498, 110, 110, Red},
        {"output sum box, frame top", 499, 566, 77, 77, Red},
        {"output sum box, frame bottom", 499, 566, 145, 145, Red},
        {"output sum box, frame left", 499, 499, 77, 145, Red},
        {"output sum box, frame right", 566, 566, 77, 145, Red},
        {"output sum box, inner edge top", 500, 565, 78, 78, Maroon},
        {"output sum box, inner edge bottom", 500, 565, 144, 144, Maroon},
        {"output sum box, inner edge left", 500, 500, 78, 144, Maroon},
        {"output sum box, inner edge right", 565, 565, 78, 144, Maroon},
        {"output sum box, inside left of the sign", 501, 509, 79, 143, Navy},
        {"output sum box, inside right of the sign", 553, 564, 79, 143, Navy},
        {"output sum box, inside above the sign", 501, 564, 79, 84, Navy},
        {"output sum box, inside below the sign", 501, 564, 135, 143, Navy},
        {"output sum sign, top bar", 512, 550, 87, 90, Yellow},
        {"output sum sign, bottom bar", 512, 550, 129, 132, Yellow},
        {"output threshold", 530, 533, 146, 169, Red},
        {"output link, sum to function", 567, 593, 109, 111, Red},
        {"output function box, frame top", 594, 652, 77, 80, Red},
        {"output function box, frame bottom", 594, 652, 140, 143, Red},
        {"output function box, frame left", 594, 597, 77, 143, Red},
        {"output function box, frame right", 649, 652, 77, 143, Red},
        {"output function box, inside left of the letter", 600, 606, 83, 137, Navy},
        {"output function box, inside right of the letter", 641, 646, 83, 137, Navy},
        {"output function box, inside above the letter", 600, 646, 83, 86, Navy},
        {"output function box, inside below the letter", 600, 646, 135, 137, Navy},
        {"output F, stem", 609, 613, 89, 132, Yellow},
        {"output F, top bar", 609, 636, 89, 94, Yellow},
        {"output F, middle bar", 609, 636, 109, 112, Yellow},

        {"arrow shaft", 653, 736, 109, 111, Red},
        {"arrow tip", 736, 736, 110, 110, Red},
        {"arrowhead, upper arm's start", 712, 712, 92, 92, Red, true},
        {"arrowhead, lower arm's start", 714, 714, 126, 126, Red, true},
    };
}
}  // namespace

TEST(DiagramPictures, SimpleNetwork)
{
    ExpectAreas(Network, NetworkAreas());
}

// The pictures drawn at two and three times the size for screens with more pixels: every element the
// layouts rely on covers the squares of its pixels, and they have the colours and the transparent corner of the
// picture they enlarge.
TEST(DiagramPictures, LargerPicturesKeepEveryElementInPlace)
{
    struct Case {
        const char* path;
        std::vector<Area> areas;
    };
    const Case cases[] = {{SingleInput, SingleInputAreas()}, {TwoInputs, TwoInputAreas()}, {Network, NetworkAreas()}};
    for (const Case& c : cases) {
        const QImage picture(QString::fromLatin1(c.path));
        const QList<QRgb> table = picture.colorTable();
        for (const int scale : {2, 3}) {
            const QString path =
                QString::fromLatin1(c.path).replace(QStringLiteral(".bmp"), QStringLiteral("@%1x.png").arg(scale));
            SCOPED_TRACE(path.toStdString());
            const QImage scaled(path);
            ASSERT_FALSE(scaled.isNull());
            EXPECT_EQ(scaled.size(), picture.size() * scale);
            EXPECT_EQ(scaled.format(), QImage::Format_Indexed8);
            const QList<QRgb> scaledTable = scaled.colorTable();
            EXPECT_EQ(Sorted({scaledTable.begin(), scaledTable.end()}), Sorted({table.begin(), table.end()}));
            EXPECT_EQ(scaled.pixel(0, scaled.height() - 1), Silver);
            ExpectAreas(path.toLatin1().constData(), c.areas, scale);
        }
    }
}
