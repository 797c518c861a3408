#include "picturetable.h"

namespace {

void addRun(QList<PictureEntry> &table, int first, std::initializer_list<const char *> names, QSize size)
{
    int number = first;
    for (const char *name : names)
        table.append({number++, QString::fromLatin1(name), size});
}

QList<PictureEntry> buildTable()
{
    QList<PictureEntry> t;
    const QSize toolbar(44, 45);
    addRun(t, 1, {"about_off.bmp", "about_on.bmp", "about_pressed.bmp"}, toolbar);
    addRun(t, 4, {"back_disabled.bmp", "back_off.bmp", "back_on.bmp", "back_pressed.bmp"}, toolbar);
    addRun(t, 8, {"close_off.bmp", "close_on.bmp", "close_pressed.bmp"}, toolbar);
    addRun(t, 11, {"forward_disabled.bmp", "forward_off.bmp", "forward_on.bmp", "forward_pressed.bmp"}, toolbar);
    addRun(t, 15, {"home_off.bmp", "home_on.bmp", "home_pressed.bmp"}, toolbar);
    addRun(t, 18, {"mark_disabled.bmp", "mark_off.bmp", "mark_on.bmp", "mark_pressed.bmp"}, toolbar);
    addRun(t, 22, {"print_off.bmp", "print_on.bmp", "print_pressed.bmp"}, toolbar);
    addRun(t, 25, {"report_off.bmp", "report_on.bmp", "report_pressed.bmp"}, toolbar);
    addRun(t, 28, {"save_disabled.bmp", "save_off.bmp", "save_on.bmp", "save_pressed.bmp"}, toolbar);
    addRun(t, 32, {"setup_off.bmp", "setup_on.bmp", "setup_pressed.bmp"}, toolbar);
    addRun(t, 35, {"trash_off.bmp", "trash_on.bmp", "trash_pressed.bmp"}, toolbar);
    addRun(t, 41, {"tabs_back_off.bmp", "tabs_back_on.bmp"}, QSize(79, 26));
    addRun(t, 43, {"tabs_front_off.bmp", "tabs_front_on.bmp"}, QSize(79, 27));
    addRun(t, 45, {"border_bot.bmp"}, QSize(2, 4));
    addRun(t, 46, {"border_left.bmp"}, QSize(4, 2));
    addRun(t, 47, {"border_left_corners.bmp"}, QSize(6, 4));
    addRun(t, 48, {"border_right.bmp"}, QSize(4, 2));
    addRun(t, 49, {"border_right_corners.bmp"}, QSize(6, 4));
    addRun(t, 50, {"border_top_center.bmp"}, QSize(2, 28));
    addRun(t, 51, {"border_top_left.bmp", "border_top_right.bmp"}, QSize(48, 28));
    addRun(t, 53, {"border_white_top_center.bmp"}, QSize(1, 28));
    addRun(t, 54, {"border_white_top_left.bmp", "border_white_top_right.bmp"}, QSize(48, 28));
    const QSize titleButton(19, 19);
    addRun(t, 56, {"prog_blue_close.bmp", "prog_blue_max.bmp", "prog_blue_min.bmp", "prog_blue_norm.bmp"}, titleButton);
    addRun(t, 60, {"prog_blueoff_close.bmp", "prog_blueoff_max.bmp", "prog_blueoff_min.bmp", "prog_blueoff_norm.bmp"},
           titleButton);
    addRun(t, 64, {"prog_white_close.bmp", "prog_white_max.bmp", "prog_white_min.bmp", "prog_white_norm.bmp"},
           titleButton);
    addRun(t, 68, {"loadbutton_on.bmp", "loadbutton_off.bmp"}, QSize(35, 14));
    addRun(t, 70, {"button_off.bmp", "button_on.bmp", "button_pressed.bmp"}, QSize(80, 25));
    addRun(t, 73, {"bottombg1.bmp"}, QSize(128, 25));
    addRun(t, 74, {"bottombg2.bmp"}, QSize(120, 25));
    addRun(t, 75, {"bottombg3.bmp"}, QSize(64, 25));
    addRun(t, 76, {"bottombg4.bmp"}, QSize(200, 25));
    addRun(t, 77, {"columnhead1.bmp"}, QSize(167, 24));
    addRun(t, 78, {"columnhead2.bmp"}, QSize(233, 24));
    addRun(t, 79, {"progressbar.bmp"}, QSize(11, 19));
    addRun(t, 80, {"statusgrabber.bmp"}, QSize(8, 8));
    addRun(t, 81, {"bullet.bmp"}, QSize(13, 11));
    addRun(t, 82, {"Handle.bmp"}, QSize(6, 40));
    addRun(t, 83, {"pen.bmp"}, QSize(117, 41));
    addRun(t, 84, {"bar.bmp"}, QSize(401, 17));
    addRun(t, 85, {"QVicon.ico"}, QSize(16, 16));
    addRun(t, 86, {"pencil.ico"}, QSize(16, 16));
    addRun(t, 87, {"hand.ico"}, QSize(32, 32));
    addRun(t, 88, {"info_mark.gif"}, QSize(32, 27));
    addRun(t, 89, {"Logo.gif"}, QSize(204, 23));
    addRun(t, 90, {"instruction.gif"}, QSize(237, 85));
    addRun(t, 91, {"Border_bot_left.gif", "Border_bot_right.gif"}, QSize(6, 7));
    return t;
}

} // namespace

const QList<PictureEntry> &pictureTable()
{
    static const QList<PictureEntry> table = buildTable();
    return table;
}
