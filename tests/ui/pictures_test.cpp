// The delivered technical pictures (data/calc/*.svg): every picture a window
// can ask for exists, is a valid vector drawing with a view box, draws dark
// lines, and names the dimensions the fitting window asks for.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include "app/ui/kit/data_dir.h"
#include "ductcalc/fitting_catalogue.h"

namespace orvanta {
namespace {

// The other pictures: the four small tee pictures of the fitting window
// (through or branch path of a diverging or converging tee), the regulating
// elements, the duct heat calculation scheme, the sections and by-passes
// of the air-handling unit and the sound source positions of the acoustic
// calculator.
const QStringList kOtherPictures = {
    "trojnik_przelot_rozplyw",   "trojnik_odgalezienie_rozplyw", "trojnik_przelot_laczenie",
    "trojnik_odgalezienie_laczenie",
    "kryza",                     "przepustnica",              "schemat_kanalu",
    "centrala_czerpnia",         "centrala_rekuperator",      "centrala_komora_mieszania",
    "centrala_chlodnica",        "centrala_nagrzewnica",      "centrala_nawilzacz",
    "centrala_nawiew",           "centrala_wywiew",           "centrala_wyrzutnia",
    "centrala_obejscie_nawiew",  "centrala_obejscie_wywiew",  "centrala_obejscie_podwojne",
    "zrodlo_q1",                 "zrodlo_q2",                 "zrodlo_q4",
    "zrodlo_q8",                 "kierunkowosc",
    "zrodlo_q1_en",              "zrodlo_q2_en",              "zrodlo_q4_en",
    "zrodlo_q8_en",              "kierunkowosc_en",
};

QStringList AllPictureNames() {
  QStringList names;
  for (const char* stem : AllFittingPictures()) names << QString::fromUtf8(stem);
  names << kOtherPictures;
  return names;
}

QString PicturePath(const QString& stem) { return DataPath("calc/" + stem + ".svg"); }

// The texts of a picture's <text> elements.
QSet<QString> PictureTexts(const QString& stem) {
  QFile file(PicturePath(stem));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << stem.toStdString();
  QXmlStreamReader xml(&file);
  QSet<QString> texts;
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("text"))
      texts.insert(xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed());
  }
  EXPECT_FALSE(xml.hasError()) << stem.toStdString() << ": " << xml.errorString().toStdString();
  return texts;
}

int DarkPixels(const QImage& image) {
  int dark = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qGray(image.pixel(x, y)) < 100) ++dark;
  return dark;
}

TEST(Pictures, EveryPictureExistsAndRendersAsALineDrawing) {
  const QStringList names = AllPictureNames();
  ASSERT_EQ(names.size(), 27 + kOtherPictures.size());
  for (const QString& stem : names) {
    SCOPED_TRACE(stem.toStdString());
    ASSERT_TRUE(QFile::exists(PicturePath(stem)));
    QSvgRenderer renderer(PicturePath(stem));
    ASSERT_TRUE(renderer.isValid());
    const QRectF box = renderer.viewBoxF();
    EXPECT_GT(box.width(), 0);
    EXPECT_GT(box.height(), 0);
    // Drawn at the fitting window's size: dark lines, but mostly background.
    QImage image(300, 200, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    const int dark = DarkPixels(image);
    EXPECT_GT(dark, 300);
    EXPECT_LT(dark, image.width() * image.height() / 3);
  }
}

TEST(Pictures, TheFolderHoldsNoPictureNobodyAsksFor) {
  const QStringList names = AllPictureNames();
  const QSet<QString> wanted(names.begin(), names.end());
  EXPECT_EQ(wanted.size(), names.size()) << "a picture name is listed twice";
  const QStringList files = QDir(DataPath("calc")).entryList({"*.svg"}, QDir::Files);
  for (const QString& file : files)
    EXPECT_TRUE(wanted.contains(QFileInfo(file).completeBaseName())) << file.toStdString();
}

// Every dimension the fitting window asks for is named in its pictures, and a
// rectangular fitting never shows a diameter it has no input for.
TEST(Pictures, FittingPicturesNameTheDimensionsOfTheirInputs) {
  const std::pair<FittingInput, QString> symbols[] = {
      {kInputLength, "L"}, {kInputDiameter1, "φ1"}, {kInputDiameter2, "φ2"}, {kInputSideA, "A"},
      {kInputSideB, "B"},  {kInputSideC, "C"},      {kInputSideD, "D"},      {kInputOffsetE, "e"},
      {kInputBendRatio, "R"}};
  for (const FittingKindInfo& info : FittingCatalogue()) {
    for (int variant = 0; variant < 2; ++variant) {
      FittingChoices choices;
      choices.round_bend_item = variant;
      choices.rect_bend_item = variant;
      choices.tee_flow_item = variant;
      const QString stem = QString::fromUtf8(FittingPicture(info.kind, choices));
      SCOPED_TRACE(stem.toStdString());
      const QSet<QString> texts = PictureTexts(stem);
      for (const auto& [input, symbol] : symbols) {
        // The mitred elbow keeps R/D at 1,0 but has no radius to draw.
        if (input == kInputBendRatio && stem == "kolano_p") continue;
        EXPECT_EQ(texts.contains(symbol), info.Shows(input)) << symbol.toStdString();
      }
      if (info.Shows(kInputAngle)) {
        const QString angle = QString::fromUtf8(AngleSymbol(info.kind, choices));
        const bool both = texts.contains("α/β");
        EXPECT_TRUE(texts.contains(angle) || both) << angle.toStdString();
      }
    }
  }
}

TEST(Pictures, RegulatingElementsAndSchemeNameTheirQuantities) {
  EXPECT_TRUE(PictureTexts("kryza").contains("D"));
  EXPECT_TRUE(PictureTexts("kryza").contains("d0"));
  EXPECT_TRUE(PictureTexts("przepustnica").contains("α"));
  const QSet<QString> scheme = PictureTexts("schemat_kanalu");
  for (const char* symbol : {"ti", "φi", "V", "tk", "te", "we", "L", "Q", "δ1, λ1", "δ2, λ2"})
    EXPECT_TRUE(scheme.contains(QString::fromUtf8(symbol))) << symbol;
}

}  // namespace
}  // namespace orvanta
