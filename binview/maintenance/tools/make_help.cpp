// Build-time tool: writes the user guide PDF from its text source and the colour legend picture.
//
//   binview_helpdoc <guide.txt> <guide.pdf> <legend.jpg> [picture folder]
//
// Guide markup, one construct per line: "# " title, "## " section, "- " list item, "1. " numbered
// item, "> " note, "@legend" the colour legend, "@image <path> <caption>" a picture relative to
// the picture folder (left out when missing); other lines are paragraph text.

#include "binview/maintenance/legend.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTextDocument>
#include <QUrl>

#include <algorithm>
#include <cstdio>

namespace {

QString inline_(const QString &text)
{
    QString html = text.toHtmlEscaped();
    static const QRegularExpression bold(QStringLiteral("\\*\\*(.+?)\\*\\*"));
    html.replace(bold, QStringLiteral("<b>\\1</b>"));
    return html;
}

struct Guide {
    QString html;
    int images = 0;
};

Guide toHtml(const QString &source, const QString &pictureFolder, QTextDocument &doc, const QImage &legend)
{
    Guide out;
    QString &html = out.html;
    html = QStringLiteral("<html><body>");
    enum class List { None, Bullets, Numbers } list = List::None;
    QString paragraph;
    auto flushParagraph = [&] {
        if (!paragraph.isEmpty())
            html += QStringLiteral("<p>") + inline_(paragraph) + QStringLiteral("</p>");
        paragraph.clear();
    };
    auto closeList = [&] {
        if (list == List::Bullets)
            html += QStringLiteral("</ul>");
        else if (list == List::Numbers)
            html += QStringLiteral("</ol>");
        list = List::None;
    };
    auto openList = [&](List kind) {
        if (list == kind)
            return;
        closeList();
        html += kind == List::Bullets ? QStringLiteral("<ul>") : QStringLiteral("<ol>");
        list = kind;
    };
    auto addImage = [&](const QImage &image, const QString &caption, int width) {
        const QString name = QStringLiteral("image%1").arg(out.images++);
        doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
        const int height = image.height() * width / std::max(1, image.width());
        html += QStringLiteral("<p align=\"center\"><img src=\"%1\" width=\"%2\" height=\"%3\"><br>"
                               "<span style=\"color:#555555; font-size:9pt\">%4</span></p>")
                    .arg(name)
                    .arg(width)
                    .arg(height)
                    .arg(caption.toHtmlEscaped());
    };
    static const QRegularExpression numbered(QStringLiteral("^\\d+\\.\\s+(.*)$"));
    for (const QString &raw : source.split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty()) {
            flushParagraph();
            closeList();
            continue;
        }
        if (line.startsWith(QStringLiteral("## "))) {
            flushParagraph();
            closeList();
            html += QStringLiteral("<h2>") + inline_(line.mid(3)) + QStringLiteral("</h2>");
        } else if (line.startsWith(QStringLiteral("# "))) {
            flushParagraph();
            closeList();
            html += QStringLiteral("<h1 align=\"center\">") + inline_(line.mid(2)) + QStringLiteral("</h1>");
        } else if (line.startsWith(QStringLiteral("- "))) {
            flushParagraph();
            openList(List::Bullets);
            html += QStringLiteral("<li>") + inline_(line.mid(2)) + QStringLiteral("</li>");
        } else if (const auto m = numbered.match(line); m.hasMatch()) {
            flushParagraph();
            openList(List::Numbers);
            html += QStringLiteral("<li>") + inline_(m.captured(1)) + QStringLiteral("</li>");
        } else if (line.startsWith(QStringLiteral("> "))) {
            flushParagraph();
            closeList();
            html += QStringLiteral("<table width=\"100%\" cellpadding=\"6\" bgcolor=\"#fff6d8\"><tr><td>") +
                    inline_(line.mid(2)) + QStringLiteral("</td></tr></table>");
        } else if (line == QStringLiteral("@legend")) {
            flushParagraph();
            closeList();
            addImage(legend, QStringLiteral("库位颜色说明（打印库位图时印在库位图下方）"), 380);
        } else if (line.startsWith(QStringLiteral("@image "))) {
            flushParagraph();
            closeList();
            const QString rest = line.mid(7).trimmed();
            const qsizetype space = rest.indexOf(u' ');
            const QString file = space < 0 ? rest : rest.left(space);
            const QString caption = space < 0 ? QString() : rest.mid(space + 1).trimmed();
            const QImage image(pictureFolder + u'/' + file);
            if (!image.isNull())
                addImage(image, caption, 440);
        } else {
            paragraph += line;
        }
    }
    flushParagraph();
    closeList();
    html += QStringLiteral("</body></html>");
    return out;
}

bool writeLegend(const QImage &legend, const QString &path)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && legend.save(&file, "JPG", 92) && file.commit();
}

bool writeGuide(QTextDocument &doc, const QString &path)
{
    const QString part = path + QStringLiteral(".part");
    {
        QPdfWriter pdf(part);
        pdf.setTitle(QStringLiteral("成品仓库库位管理系统 使用说明"));
        pdf.setCreator(QStringLiteral("binview"));
        pdf.setResolution(300);
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 18, 18, 18),
                                      QPageLayout::Millimeter));
        doc.print(&pdf);
    }
    QFile::remove(path);
    return QFileInfo(part).size() > 0 && QFile::rename(part, path);
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: binview_helpdoc <guide.txt> <guide.pdf> <legend.jpg> [picture folder]\n");
        return 2;
    }
    const QString source = args.at(1);
    const QString pdf = args.at(2);
    const QString legendPath = args.at(3);
    const QString pictures = args.size() > 4 ? args.at(4) : QFileInfo(source).absolutePath();

    const QImage legend = binview::colourLegend();
    if (!writeLegend(legend, legendPath)) {
        std::fprintf(stderr, "binview_helpdoc: cannot write %s\n", qPrintable(legendPath));
        return 1;
    }

    QFile in(source);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "binview_helpdoc: cannot read %s\n", qPrintable(source));
        return 1;
    }
    QTextDocument doc;
    QFont font(QStringLiteral("WenQuanYi Micro Hei"), 11);
    font.setStyleHint(QFont::SansSerif);
    doc.setDefaultFont(font);
    doc.setDefaultStyleSheet(QStringLiteral("h1 { font-size: 20pt; color: #1d3c6e; }"
                                            "h2 { font-size: 14pt; color: #1d3c6e; margin-top: 14px; }"
                                            "p, li { line-height: 140%; }"));
    const Guide guide = toHtml(QString::fromUtf8(in.readAll()), pictures, doc, legend);
    doc.setHtml(guide.html);
    if (!writeGuide(doc, pdf)) {
        std::fprintf(stderr, "binview_helpdoc: cannot write %s\n", qPrintable(pdf));
        return 1;
    }
    return 0;
}
