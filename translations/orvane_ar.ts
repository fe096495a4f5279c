<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>حول Orvane</translation>
    </message>
    <message>
        <source>Melvex400 Orvane Version 1.0</source>
        <translation>Melvex400 Orvane الإصدار 1.0</translation>
    </message>
    <message>
        <source>Channel list editor for the receiver&apos;s database</source>
        <translation>محرر قائمة القنوات في قاعدة بيانات جهاز الاستقبال</translation>
    </message>
</context>
<context>
    <name>AppMessages</name>
    <message>
        <source>It has no DB. First open your DB!</source>
        <translation>لا توجد قاعدة بيانات مفتوحة. افتح قاعدة البيانات أولاً!</translation>
    </message>
</context>
<context>
    <name>BulkCommands</name>
    <message>
        <source>Loc&amp;k</source>
        <translation>&amp;قفل</translation>
    </message>
    <message>
        <source>U&amp;nlock</source>
        <translation>&amp;إلغاء القفل</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>إ&amp;خفاء</translation>
    </message>
    <message>
        <source>Un&amp;hide</source>
        <translation>إ&amp;ظهار</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>نقل إلى الأ&amp;على</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>نقل إلى الأ&amp;سفل</translation>
    </message>
    <message>
        <source>Move to N&amp;umber…</source>
        <translation>نقل إلى ال&amp;رقم…</translation>
    </message>
    <message>
        <source>Replace in &amp;Names…</source>
        <translation>استبدال في الأ&amp;سماء…</translation>
    </message>
    <message>
        <source>&amp;Renumber Selection From…</source>
        <translation>إعادة &amp;ترقيم التحديد بدءاً من…</translation>
    </message>
    <message>
        <source>exceed valid number!</source>
        <translation>رقم غير صالح!</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>فشل %1 (خطأ sqlite3 رقم %2)؛ لم يتغير شيء.</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>نقل إلى الرقم</translation>
    </message>
    <message>
        <source>The selected channels take the places from:</source>
        <translation>تأخذ القنوات المحددة المواضع بدءاً من:</translation>
    </message>
    <message>
        <source>Renumber Selection From</source>
        <translation>إعادة ترقيم التحديد بدءاً من</translation>
    </message>
    <message>
        <source>The selected channels are numbered from:</source>
        <translation>تُرقَّم القنوات المحددة بدءاً من:</translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot;</source>
        <translation>جارٍ الإضافة إلى «%1»</translation>
    </message>
    <message>
        <source>You already insert same channel!
%1 of the %2 channels were in &quot;%3&quot; already and were skipped.</source>
        <translation>هذه القناة مضافة بالفعل!
%1 من القنوات الـ %2 كانت في «%3» بالفعل وتم تخطيها.</translation>
    </message>
    <message>
        <source>Add to &amp;Favourite Group</source>
        <translation>إضافة إلى مجموعة الم&amp;فضلة</translation>
    </message>
    <message>
        <source>Renumbering</source>
        <translation>إعادة الترقيم</translation>
    </message>
    <message>
        <source>Replacing in names</source>
        <translation>جارٍ الاستبدال في الأسماء</translation>
    </message>
    <message numerus="yes">
        <source>Lock %n channel(s)</source>
        <translation>
            <numerusform>قفل %n قناة</numerusform>
            <numerusform>قفل %n قناة</numerusform>
            <numerusform>قفل %n قناة</numerusform>
            <numerusform>قفل %n قنوات</numerusform>
            <numerusform>قفل %n قناة</numerusform>
            <numerusform>قفل %n قناة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unlock %n channel(s)</source>
        <translation>
            <numerusform>إلغاء قفل %n قناة</numerusform>
            <numerusform>إلغاء قفل %n قناة</numerusform>
            <numerusform>إلغاء قفل %n قناة</numerusform>
            <numerusform>إلغاء قفل %n قنوات</numerusform>
            <numerusform>إلغاء قفل %n قناة</numerusform>
            <numerusform>إلغاء قفل %n قناة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hide %n channel(s)</source>
        <translation>
            <numerusform>إخفاء %n قناة</numerusform>
            <numerusform>إخفاء %n قناة</numerusform>
            <numerusform>إخفاء %n قناة</numerusform>
            <numerusform>إخفاء %n قنوات</numerusform>
            <numerusform>إخفاء %n قناة</numerusform>
            <numerusform>إخفاء %n قناة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unhide %n channel(s)</source>
        <translation>
            <numerusform>إظهار %n قناة</numerusform>
            <numerusform>إظهار %n قناة</numerusform>
            <numerusform>إظهار %n قناة</numerusform>
            <numerusform>إظهار %n قنوات</numerusform>
            <numerusform>إظهار %n قناة</numerusform>
            <numerusform>إظهار %n قناة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to %1</source>
        <translation>
            <numerusform>إضافة %n قناة إلى %1</numerusform>
            <numerusform>إضافة %n قناة إلى %1</numerusform>
            <numerusform>إضافة %n قناة إلى %1</numerusform>
            <numerusform>إضافة %n قنوات إلى %1</numerusform>
            <numerusform>إضافة %n قناة إلى %1</numerusform>
            <numerusform>إضافة %n قناة إلى %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other channel(s) are already numbered from %1 to %2.
Move the channels numbered %1 and up by %3 to make room? No cancels.</source>
        <translation>
            <numerusform>قنوات أخرى عددها %n مرقمة بالفعل من %1 إلى %2.
هل تُزاح القنوات من الرقم %1 فما فوق بمقدار %3 لإفساح المجال؟ «لا» تلغي العملية.</numerusform>
            <numerusform>قنوات أخرى عددها %n مرقمة بالفعل من %1 إلى %2.
هل تُزاح القنوات من الرقم %1 فما فوق بمقدار %3 لإفساح المجال؟ «لا» تلغي العملية.</numerusform>
            <numerusform>قنوات أخرى عددها %n مرقمة بالفعل من %1 إلى %2.
هل تُزاح القنوات من الرقم %1 فما فوق بمقدار %3 لإفساح المجال؟ «لا» تلغي العملية.</numerusform>
            <numerusform>قنوات أخرى عددها %n مرقمة بالفعل من %1 إلى %2.
هل تُزاح القنوات من الرقم %1 فما فوق بمقدار %3 لإفساح المجال؟ «لا» تلغي العملية.</numerusform>
            <numerusform>قنوات أخرى عددها %n مرقمة بالفعل من %1 إلى %2.
هل تُزاح القنوات من الرقم %1 فما فوق بمقدار %3 لإفساح المجال؟ «لا» تلغي العملية.</numerusform>
            <numerusform>قنوات أخرى عددها %n مرقمة بالفعل من %1 إلى %2.
هل تُزاح القنوات من الرقم %1 فما فوق بمقدار %3 لإفساح المجال؟ «لا» تلغي العملية.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renumber %n channel(s) from %1</source>
        <translation>
            <numerusform>إعادة ترقيم %n قناة بدءاً من %1</numerusform>
            <numerusform>إعادة ترقيم %n قناة بدءاً من %1</numerusform>
            <numerusform>إعادة ترقيم %n قناة بدءاً من %1</numerusform>
            <numerusform>إعادة ترقيم %n قنوات بدءاً من %1</numerusform>
            <numerusform>إعادة ترقيم %n قناة بدءاً من %1</numerusform>
            <numerusform>إعادة ترقيم %n قناة بدءاً من %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace in %n name(s)</source>
        <translation>
            <numerusform>استبدال في %n اسم</numerusform>
            <numerusform>استبدال في %n اسم</numerusform>
            <numerusform>استبدال في %n اسم</numerusform>
            <numerusform>استبدال في %n أسماء</numerusform>
            <numerusform>استبدال في %n اسم</numerusform>
            <numerusform>استبدال في %n اسم</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the top</source>
        <translation>
            <numerusform>نقل %n قناة إلى الأعلى</numerusform>
            <numerusform>نقل %n قناة إلى الأعلى</numerusform>
            <numerusform>نقل %n قناة إلى الأعلى</numerusform>
            <numerusform>نقل %n قنوات إلى الأعلى</numerusform>
            <numerusform>نقل %n قناة إلى الأعلى</numerusform>
            <numerusform>نقل %n قناة إلى الأعلى</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the bottom</source>
        <translation>
            <numerusform>نقل %n قناة إلى الأسفل</numerusform>
            <numerusform>نقل %n قناة إلى الأسفل</numerusform>
            <numerusform>نقل %n قناة إلى الأسفل</numerusform>
            <numerusform>نقل %n قنوات إلى الأسفل</numerusform>
            <numerusform>نقل %n قناة إلى الأسفل</numerusform>
            <numerusform>نقل %n قناة إلى الأسفل</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to number %1</source>
        <translation>
            <numerusform>نقل %n قناة إلى الرقم %1</numerusform>
            <numerusform>نقل %n قناة إلى الرقم %1</numerusform>
            <numerusform>نقل %n قناة إلى الرقم %1</numerusform>
            <numerusform>نقل %n قنوات إلى الرقم %1</numerusform>
            <numerusform>نقل %n قناة إلى الرقم %1</numerusform>
            <numerusform>نقل %n قناة إلى الرقم %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BusyProgress</name>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 من %3</translation>
    </message>
</context>
<context>
    <name>CAddChannelsDlg</name>
    <message>
        <source>Add Channels from Another File</source>
        <translation>إضافة قنوات من ملف آخر</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) of %1 are not in this file:</source>
        <translation>
            <numerusform>لا توجد أي قناة من %1 في هذا الملف:</numerusform>
            <numerusform>قناة واحدة من %1 ليست في هذا الملف:</numerusform>
            <numerusform>قناتان من %1 ليستا في هذا الملف:</numerusform>
            <numerusform>%n قنوات من %1 ليست في هذا الملف:</numerusform>
            <numerusform>%n قناة من %1 ليست في هذا الملف:</numerusform>
            <numerusform>%n قناة من %1 ليست في هذا الملف:</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter by name, satellite or provider</source>
        <translation>التصفية حسب الاسم أو القمر الصناعي أو المزوّد</translation>
    </message>
    <message>
        <source>No</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>التردد (TP)</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>المزوّد</translation>
    </message>
    <message>
        <source>after the last channel</source>
        <translation>بعد آخر قناة</translation>
    </message>
    <message>
        <source>&amp;Number from:</source>
        <translation>الترقيم &amp;بدءاً من:</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>تحديد ال&amp;كل</translation>
    </message>
    <message>
        <source>Select the channels to add.</source>
        <translation>اختر القنوات المراد إضافتها.</translation>
    </message>
    <message>
        <source>Give a channel number from 1 to 99999, or leave it blank.</source>
        <translation>أدخل رقم قناة من 1 إلى 99999، أو اترك الحقل فارغاً.</translation>
    </message>
</context>
<context>
    <name>CBulkCommands</name>
    <message>
        <source>Renumbering channels</source>
        <translation>جارٍ إعادة ترقيم القنوات</translation>
    </message>
    <message>
        <source>Renaming channels</source>
        <translation>جارٍ إعادة تسمية القنوات</translation>
    </message>
</context>
<context>
    <name>CCompareFileDlg</name>
    <message>
        <source>Compare with %1</source>
        <translation>المقارنة مع %1</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 moved, %4 renamed</source>
        <translation>أضيف %1، أزيل %2، نُقل %3، أعيدت تسمية %4</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>كل التغييرات</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>المضافة</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>المزالة</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>المنقولة</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>المعاد تسميتها</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>التغيير</translation>
    </message>
    <message>
        <source>No</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>New No</source>
        <translation>الرقم الجديد</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>الاسم الجديد</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>القاعدة</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>added</source>
        <translation>مضافة</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>مزالة</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>منقولة</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>معاد تسميتها</translation>
    </message>
    <message>
        <source>Apply &amp;Order from This File</source>
        <translation>تطبيق &amp;ترتيب هذا الملف</translation>
    </message>
    <message>
        <source>Add &amp;New Channels to Group…</source>
        <translation>إضافة القنوات ال&amp;جديدة إلى مجموعة…</translation>
    </message>
</context>
<context>
    <name>CCrossFileTools</name>
    <message>
        <source>Add New Channels to Group</source>
        <translation>إضافة القنوات الجديدة إلى مجموعة</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>ال&amp;مجموعة:</translation>
    </message>
    <message>
        <source>&amp;Compare with File…</source>
        <translation>م&amp;قارنة مع ملف…</translation>
    </message>
    <message>
        <source>&amp;Add Channels from Another File…</source>
        <translation>إ&amp;ضافة قنوات من ملف آخر…</translation>
    </message>
    <message>
        <source>%1 fails the receiver&apos;s checks and was not used; nothing was changed.
%2</source>
        <translation>%1 لا يجتاز فحوص جهاز الاستقبال ولم يُستخدم؛ لم يتغير شيء.
%2</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>المقارنة مع ملف</translation>
    </message>
    <message>
        <source>Add Channels from Another File</source>
        <translation>إضافة قنوات من ملف آخر</translation>
    </message>
    <message>
        <source>%1 could not be read.
%2</source>
        <translation>تعذرت قراءة %1.
%2</translation>
    </message>
    <message>
        <source>This file has no favourite group to add the channels to.</source>
        <translation>لا توجد في هذا الملف مجموعة مفضلة لإضافة القنوات إليها.</translation>
    </message>
    <message numerus="yes">
        <source>Add %n new channel(s) to %1</source>
        <translation>
            <numerusform>إضافة %n قناة جديدة إلى %1</numerusform>
            <numerusform>إضافة %n قناة جديدة إلى %1</numerusform>
            <numerusform>إضافة %n قناة جديدة إلى %1</numerusform>
            <numerusform>إضافة %n قناة جديدة إلى %1</numerusform>
            <numerusform>إضافة %n قناة جديدة إلى %1</numerusform>
            <numerusform>إضافة %n قناة جديدة إلى %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot; failed (sqlite3 error %2); nothing was changed.</source>
        <translation>فشلت الإضافة إلى «%1» (خطأ sqlite3 رقم %2)؛ لم يتغير شيء.</translation>
    </message>
    <message>
        <source>This file holds every channel of %1.</source>
        <translation>يحتوي هذا الملف على كل قنوات %1.</translation>
    </message>
    <message>
        <source>None of the chosen channels can be added; nothing was changed.
%1</source>
        <translation>لا يمكن إضافة أي من القنوات المختارة؛ لم يتغير شيء.
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n of the chosen channels cannot be added. Add the %1 others?</source>
        <translation>
            <numerusform>لا يمكن إضافة %n من القنوات المختارة. هل تُضاف القنوات الأخرى وعددها %1؟</numerusform>
            <numerusform>لا يمكن إضافة %n من القنوات المختارة. هل تُضاف القنوات الأخرى وعددها %1؟</numerusform>
            <numerusform>لا يمكن إضافة %n من القنوات المختارة. هل تُضاف القنوات الأخرى وعددها %1؟</numerusform>
            <numerusform>لا يمكن إضافة %n من القنوات المختارة. هل تُضاف القنوات الأخرى وعددها %1؟</numerusform>
            <numerusform>لا يمكن إضافة %n من القنوات المختارة. هل تُضاف القنوات الأخرى وعددها %1؟</numerusform>
            <numerusform>لا يمكن إضافة %n من القنوات المختارة. هل تُضاف القنوات الأخرى وعددها %1؟</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Add the Others</source>
        <translation>إضافة ال&amp;أخرى</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) from %1</source>
        <translation>
            <numerusform>إضافة %n قناة من %1</numerusform>
            <numerusform>إضافة %n قناة من %1</numerusform>
            <numerusform>إضافة %n قناة من %1</numerusform>
            <numerusform>إضافة %n قناة من %1</numerusform>
            <numerusform>إضافة %n قناة من %1</numerusform>
            <numerusform>إضافة %n قناة من %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding the channels failed (sqlite3 error %1); nothing was changed.</source>
        <translation>فشلت إضافة القنوات (خطأ sqlite3 رقم %1)؛ لم يتغير شيء.</translation>
    </message>
</context>
<context>
    <name>CEditLnbDlg</name>
    <message>
        <source>Local Freq (high band)</source>
        <translation>تردد LO (النطاق العالي)</translation>
    </message>
</context>
<context>
    <name>CLNBView</name>
    <message>
        <source>Copy Tuner1&apos;s LNB settings to Tuner2</source>
        <translation>نسخ إعدادات LNB من الموالف 1 إلى الموالف 2</translation>
    </message>
    <message>
        <source>Showing Tuner%1</source>
        <translation>المعروض: الموالف %1</translation>
    </message>
</context>
<context>
    <name>COrvaneView</name>
    <message>
        <source>Renumbering channels</source>
        <translation>جارٍ إعادة ترقيم القنوات</translation>
    </message>
</context>
<context>
    <name>CPrintCommands</name>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;طباعة…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;معاينة الطباعة…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translation>&amp;تصدير بصيغة PDF…</translation>
    </message>
    <message>
        <source>The list could not be printed.</source>
        <translation>تعذرت طباعة القائمة.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>تصدير بصيغة PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>ملفات PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 is the open channel file; choose another name for the PDF.</source>
        <translation>%1 هو ملف القنوات المفتوح؛ اختر اسماً آخر لملف PDF.</translation>
    </message>
</context>
<context>
    <name>CStatusCounts</name>
    <message>
        <source>%1 of %2 shown</source>
        <translation>تظهر %1 من %2</translation>
    </message>
    <message>
        <source>   Group &quot;%1&quot;: %2</source>
        <translation>   المجموعة «%1»: %2</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Details</source>
        <translation>التفاصيل</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
</context>
<context>
    <name>CUsbDownloadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>الفحص: استجاب جهاز الاستقبال</translation>
    </message>
    <message>
        <source>size: %1 bytes in %2, which passed the checks</source>
        <translation>الحجم: %1 بايت في %2، اجتاز الفحوص</translation>
    </message>
    <message>
        <source>restore: sending the backup %1</source>
        <translation>الاستعادة: جارٍ إرسال النسخة الاحتياطية %1</translation>
    </message>
</context>
<context>
    <name>CUsbUploadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>الفحص: استجاب جهاز الاستقبال</translation>
    </message>
    <message>
        <source>size and announcement: %1 bytes, into %2</source>
        <translation>الحجم والإعلان: %1 بايت، إلى %2</translation>
    </message>
    <message>
        <source>received: %1 of %2 bytes in %3 chunks</source>
        <translation>المستلم: %1 من %2 بايت في %3 أجزاء</translation>
    </message>
    <message>
        <source>removed the part received, %1</source>
        <translation>أُزيل الجزء المستلم، %1</translation>
    </message>
    <message>
        <source>Received %1 bytes in %2 s into %3</source>
        <translation>استُلم %1 بايت في %2 ث إلى %3</translation>
    </message>
</context>
<context>
    <name>ChannelFindBar</name>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>التطابق السابق (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>التطابق التالي (F3)</translation>
    </message>
    <message>
        <source>Name, provider, service id or MHz</source>
        <translation>الاسم أو المزوّد أو معرّف الخدمة أو MHz</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>إغلاق شريط البحث (Esc)</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;بحث:</translation>
    </message>
    <message>
        <source>Only &amp;matches</source>
        <translation>التطابقات &amp;فقط</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;راديو</translation>
    </message>
    <message>
        <source>Any satellite</source>
        <translation>أي قمر صناعي</translation>
    </message>
    <message>
        <source>Loc&amp;ked</source>
        <translation>م&amp;قفلة</translation>
    </message>
    <message>
        <source>Hi&amp;dden</source>
        <translation>م&amp;خفية</translation>
    </message>
    <message>
        <source>&amp;Scrambled</source>
        <translation>م&amp;شفرة</translation>
    </message>
    <message>
        <source>&amp;Not in a favourite group</source>
        <translation>&amp;ليست في أي مجموعة مفضلة</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 من %2</translation>
    </message>
    <message>
        <source>Reached the end, continued from the top</source>
        <translation>تم الوصول إلى النهاية، ومتابعة البحث من البداية</translation>
    </message>
    <message>
        <source>Reached the top, continued from the bottom</source>
        <translation>تم الوصول إلى البداية، ومتابعة البحث من النهاية</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>لا تطابق</translation>
    </message>
</context>
<context>
    <name>ChannelTools</name>
    <message>
        <source>CSV Files (*.csv);;All Files (*.*)</source>
        <translation>ملفات CSV (*.csv);;كل الملفات (*.*)</translation>
    </message>
    <message>
        <source>&amp;Export Channels to CSV…</source>
        <translation>&amp;تصدير القنوات إلى CSV…</translation>
    </message>
    <message>
        <source>&amp;Import Channels from CSV…</source>
        <translation>ا&amp;ستيراد القنوات من CSV…</translation>
    </message>
    <message>
        <source>Apply &amp;Order from Reference File…</source>
        <translation>تطبيق ال&amp;ترتيب من ملف مرجعي…</translation>
    </message>
    <message>
        <source>Find &amp;Duplicate Channels…</source>
        <translation>البحث عن القنوات الم&amp;كررة…</translation>
    </message>
    <message>
        <source>The channels could not be read (sqlite3 error %1).</source>
        <translation>تعذرت قراءة القنوات (خطأ sqlite3 رقم %1).</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>فشل %1 (خطأ sqlite3 رقم %2)؛ لم يتغير شيء.</translation>
    </message>
    <message>
        <source>Export Channels to CSV</source>
        <translation>تصدير القنوات إلى CSV</translation>
    </message>
    <message>
        <source>%1 could not be written.
%2</source>
        <translation>تعذرت كتابة %1.
%2</translation>
    </message>
    <message>
        <source>%1 channels were written to %2.</source>
        <translation>تمت كتابة %1 قناة في %2.</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>استيراد القنوات من CSV</translation>
    </message>
    <message>
        <source>%1 could not be read as a channel list.</source>
        <translation>تعذرت قراءة %1 كقائمة قنوات.</translation>
    </message>
    <message>
        <source>%1 was not imported; nothing was changed.
%2</source>
        <translation>لم يتم استيراد %1؛ لم يتغير شيء.
%2</translation>
    </message>
    <message>
        <source>%1 changes nothing.</source>
        <translation>%1 لا يغيّر شيئاً.</translation>
    </message>
    <message>
        <source>Importing %1 makes these %2 changes:</source>
        <translation>استيراد %1 يُجري هذه التغييرات وعددها %2:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>ا&amp;ستيراد</translation>
    </message>
    <message>
        <source>The import</source>
        <translation>الاستيراد</translation>
    </message>
    <message>
        <source>Apply Order from Reference File</source>
        <translation>تطبيق الترتيب من ملف مرجعي</translation>
    </message>
    <message>
        <source>Reference Lists (*.dat *.csv);;All Files (*.*)</source>
        <translation>القوائم المرجعية (*.dat *.csv);;كل الملفات (*.*)</translation>
    </message>
    <message>
        <source>The reference list could not be read; nothing was changed.
%1</source>
        <translation>تعذرت قراءة القائمة المرجعية؛ لم يتغير شيء.
%1</translation>
    </message>
    <message>
        <source>Matched channels take the order of %1; unmatched ones follow in their current order.</source>
        <translation>تأخذ القنوات المتطابقة ترتيب %1؛ وتتبعها غير المتطابقة بترتيبها الحالي.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;تطبيق</translation>
    </message>
    <message>
        <source>Also take the reference&apos;s &amp;favourite groups</source>
        <translation>أخذ مجموعات الم&amp;فضلة من المرجع أيضاً</translation>
    </message>
    <message>
        <source>Applying the order</source>
        <translation>جارٍ تطبيق الترتيب</translation>
    </message>
    <message>
        <source>No duplicate channels were found.</source>
        <translation>لم يُعثر على قنوات مكررة.</translation>
    </message>
    <message>
        <source>Find Duplicate Channels</source>
        <translation>البحث عن القنوات المكررة</translation>
    </message>
    <message>
        <source>%1 sets of channels are the same channel. Removing keeps the one in [ ] (a favourite, else the lowest number) of each set.</source>
        <translation>%1 مجموعات من القنوات هي القناة نفسها. تُبقي الإزالة في كل مجموعة القناة الموضوعة بين [ ] (مفضلة، وإلا فصاحبة أصغر رقم).</translation>
    </message>
    <message>
        <source>&amp;Remove Duplicates</source>
        <translation>إ&amp;زالة المكررات</translation>
    </message>
    <message>
        <source>Remove %1 channels with their favourite, schedule and scramble rows?</source>
        <translation>هل تريد إزالة %1 قناة مع صفوف المفضلة والجدولة والتشفير الخاصة بها؟</translation>
    </message>
    <message>
        <source>Removing the duplicates</source>
        <translation>جارٍ إزالة المكررات</translation>
    </message>
    <message>
        <source>Import channels from CSV</source>
        <translation>استيراد القنوات من CSV</translation>
    </message>
    <message>
        <source>Apply order from reference file</source>
        <translation>تطبيق الترتيب من ملف مرجعي</translation>
    </message>
    <message>
        <source>Remove duplicate channels</source>
        <translation>إزالة القنوات المكررة</translation>
    </message>
</context>
<context>
    <name>CloseCommand</name>
    <message>
        <source>No Title</source>
        <translation>بلا عنوان</translation>
    </message>
</context>
<context>
    <name>DbProblems</name>
    <message>
        <source>not enough memory</source>
        <translation>الذاكرة غير كافية</translation>
    </message>
    <message>
        <source>The list could not be read from the DB: %1.</source>
        <translation>تعذرت قراءة القائمة من قاعدة البيانات: %1.</translation>
    </message>
    <message>
        <source>This row holds a value that the receiver&apos;s format does not allow (%1). It is left unchanged.</source>
        <translation>يحتوي هذا الصف على قيمة لا يسمح بها تنسيق جهاز الاستقبال (%1). سيبقى دون تغيير.</translation>
    </message>
</context>
<context>
    <name>DialogFields</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>يجب أن يكون %1 عدداً صحيحاً من %2 إلى %3.</translation>
    </message>
    <message>
        <source>%1 must be a number.</source>
        <translation>يجب أن يكون %1 رقماً.</translation>
    </message>
    <message>
        <source>Enter the data in all fields!</source>
        <translation>املأ جميع الحقول!</translation>
    </message>
    <message>
        <source>Fill the data to the every fields!</source>
        <translation>املأ جميع الحقول!</translation>
    </message>
</context>
<context>
    <name>EditChannelDlg</name>
    <message>
        <source>No channel number below 20000 is free.
The channel is not added.</source>
        <translation>لا يوجد رقم قناة شاغر أقل من 20000.
لم تتم إضافة القناة.</translation>
    </message>
    <message>
        <source>The provider could not be stored in the DB.
Nothing has been changed.</source>
        <translation>تعذر حفظ المزوّد في قاعدة البيانات.
لم يتغير شيء.</translation>
    </message>
    <message>
        <source>The channel could not be stored in the DB.
Nothing has been changed.</source>
        <translation>تعذر حفظ القناة في قاعدة البيانات.
لم يتغير شيء.</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>تحرير القناة</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>الإعدادات</translation>
    </message>
    <message>
        <source>N&amp;IT Info</source>
        <translation>معلومات N&amp;IT</translation>
    </message>
    <message>
        <source>SAT Name :</source>
        <translation>اسم القمر :</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>الخدمة</translation>
    </message>
    <message>
        <source>CH &amp;Name :</source>
        <translation>ا&amp;سم القناة :</translation>
    </message>
    <message>
        <source>CH No :</source>
        <translation>رقم القناة :</translation>
    </message>
    <message>
        <source>Service I&amp;D :</source>
        <translation>&amp;معرّف الخدمة :</translation>
    </message>
    <message>
        <source>&amp;Provider :</source>
        <translation>ال&amp;مزوّد :</translation>
    </message>
    <message>
        <source>&amp;V-Pid :</source>
        <translation>&amp;V-PID :</translation>
    </message>
    <message>
        <source>&amp;A-Pid :</source>
        <translation>&amp;A-PID :</translation>
    </message>
    <message>
        <source>P&amp;CR-PID :</source>
        <translation>P&amp;CR-PID :</translation>
    </message>
    <message>
        <source>P&amp;MT-Pid :</source>
        <translation>P&amp;MT-PID :</translation>
    </message>
    <message>
        <source>Service ID</source>
        <translation>معرّف الخدمة</translation>
    </message>
    <message>
        <source>V-Pid</source>
        <translation>V-PID</translation>
    </message>
    <message>
        <source>A-Pid</source>
        <translation>A-PID</translation>
    </message>
    <message>
        <source>PCR-PID</source>
        <translation>PCR-PID</translation>
    </message>
    <message>
        <source>PMT-Pid</source>
        <translation>PMT-PID</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>علامات</translation>
    </message>
    <message>
        <source>&amp;Locked(L)</source>
        <translation>م&amp;قفلة(L)</translation>
    </message>
    <message>
        <source>&amp;Scrambled(S)</source>
        <translation>م&amp;شفرة(S)</translation>
    </message>
    <message>
        <source>&amp;Hide(H)</source>
        <translation>م&amp;خفية(H)</translation>
    </message>
    <message>
        <source>&amp;TV</source>
        <translation>&amp;TV</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;راديو</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>Add</source>
        <translation>إضافة</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>إ&amp;ضافة</translation>
    </message>
    <message>
        <source>Edit	Space</source>
        <translation>تحرير	Space</translation>
    </message>
    <message>
        <source>&amp;Edit	Space</source>
        <translation>&amp;تحرير	Space</translation>
    </message>
    <message>
        <source>Delete	Del</source>
        <translation>حذف	Del</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;حذف	Del</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>إعادة الترقيم</translation>
    </message>
</context>
<context>
    <name>EditLnbDlg</name>
    <message>
        <source>Edit LNB</source>
        <translation>تحرير LNB</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>لا شيء</translation>
    </message>
    <message>
        <source>mini A</source>
        <translation>mini A</translation>
    </message>
    <message>
        <source>mini B</source>
        <translation>mini B</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>Local Freq</source>
        <translation>تردد LO</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>القمر الصناعي :</translation>
    </message>
    <message>
        <source>LNB Type :</source>
        <translation>نوع LNB :</translation>
    </message>
    <message>
        <source>Local Freq :</source>
        <translation>تردد LO :</translation>
    </message>
    <message>
        <source>DiSEqC 1.0 :</source>
        <translation>DiSEqC 1.0 :</translation>
    </message>
    <message>
        <source>DiSEqC 1.1 :</source>
        <translation>DiSEqC 1.1 :</translation>
    </message>
    <message>
        <source>22 khz :</source>
        <translation>22 kHz :</translation>
    </message>
    <message>
        <source>TP Freq :</source>
        <translation>تردد TP :</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>أدخل عدداً صحيحاً بين %1 و %2.</translation>
    </message>
</context>
<context>
    <name>EditNitDlg</name>
    <message>
        <source>The TP could not be stored in the DB.
Nothing has been changed.</source>
        <translation>تعذر حفظ الترددات (TP) في قاعدة البيانات.
لم يتغير شيء.</translation>
    </message>
    <message>
        <source>Edit NIT</source>
        <translation>تحرير NIT</translation>
    </message>
    <message>
        <source>TP information</source>
        <translation>معلومات التردد (TP)</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>عمودي</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>أفقي</translation>
    </message>
    <message>
        <source>Freq [MHz]</source>
        <translation>التردد [MHz]</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>معدل الترميز</translation>
    </message>
    <message>
        <source>Freq [MHz] :</source>
        <translation>التردد [MHz] :</translation>
    </message>
    <message>
        <source>Symbolrate :</source>
        <translation>معدل الترميز :</translation>
    </message>
    <message>
        <source>Polarity :</source>
        <translation>الاستقطاب :</translation>
    </message>
    <message>
        <source>FEC :</source>
        <translation>FEC :</translation>
    </message>
</context>
<context>
    <name>EditSatDlg</name>
    <message>
        <source>It&apos;s invalid longitude range.</source>
        <translation>نطاق خط الطول غير صالح.</translation>
    </message>
    <message>
        <source>The satellite could not be stored in the DB.
Nothing has been changed.</source>
        <translation>تعذر حفظ القمر الصناعي في قاعدة البيانات.
لم يتغير شيء.</translation>
    </message>
    <message>
        <source>Edit Sattelite</source>
        <translation>تحرير القمر الصناعي</translation>
    </message>
    <message>
        <source>EAST</source>
        <translation>شرق</translation>
    </message>
    <message>
        <source>WEST</source>
        <translation>غرب</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>الاسم :</translation>
    </message>
    <message>
        <source>Position :</source>
        <translation>الموقع :</translation>
    </message>
</context>
<context>
    <name>EmptyHint</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;No DB is open.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Open the receiver&apos;s DB file with File &amp;gt; Open (Ctrl+O), or fetch it from the receiver with File &amp;gt; USB Upload.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;لا توجد قاعدة بيانات مفتوحة.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;افتح ملف قاعدة بيانات جهاز الاستقبال عبر ملف &amp;gt; فتح (Ctrl+O)، أو اجلبه من جهاز الاستقبال عبر ملف &amp;gt; رفع USB.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Recent files:</source>
        <translation>&lt;p&gt;الملفات الأخيرة:</translation>
    </message>
</context>
<context>
    <name>FavGrpView</name>
    <message>
        <source>Favorites</source>
        <translation>المفضلة</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite group from DB?</source>
        <translation>هل تريد إزالة مجموعة المفضلة هذه من قاعدة البيانات؟</translation>
    </message>
    <message>
        <source>Add favourite group</source>
        <translation>إضافة مجموعة مفضلة</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>إعادة تسمية مجموعة مفضلة</translation>
    </message>
    <message>
        <source>Delete favourite group</source>
        <translation>حذف مجموعة مفضلة</translation>
    </message>
    <message>
        <source>Move favourite group</source>
        <translation>نقل مجموعة مفضلة</translation>
    </message>
</context>
<context>
    <name>FavListView</name>
    <message>
        <source>Service</source>
        <translation>الخدمة</translation>
    </message>
    <message>
        <source>Do you want to remove from favorite list?</source>
        <translation>هل تريد الإزالة من قائمة المفضلة؟</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite list from DB?</source>
        <translation>هل تريد إزالة قائمة المفضلة هذه من قاعدة البيانات؟</translation>
    </message>
    <message>
        <source>Unvalid data is selected</source>
        <translation>تم تحديد بيانات غير صالحة</translation>
    </message>
    <message>
        <source>The entries could not be removed from the DB.
Nothing has been removed.</source>
        <translation>تعذرت إزالة الإدخالات من قاعدة البيانات.
لم تتم إزالة شيء.</translation>
    </message>
    <message>
        <source>Remove favourite entries</source>
        <translation>إزالة عناصر من المفضلة</translation>
    </message>
    <message>
        <source>Move favourite entry</source>
        <translation>نقل عنصر مفضل</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>DB Edit Files (*.dat);;All Files (*)</source>
        <translation>ملفات قاعدة البيانات (*.dat);;كل الملفات (*)</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Selecte the folder to save file.</source>
        <translation>اختر المجلد لحفظ الملف.</translation>
    </message>
</context>
<context>
    <name>LNBView</name>
    <message>
        <source>Seperated</source>
        <translation>منفصل</translation>
    </message>
    <message>
        <source>Loop Thru</source>
        <translation>Loop Thru (تمرير)</translation>
    </message>
    <message>
        <source>Connection :</source>
        <translation>التوصيل :</translation>
    </message>
    <message>
        <source>LNB Setting</source>
        <translation>إعداد LNB</translation>
    </message>
    <message>
        <source>Tuner1</source>
        <translation>الموالف 1</translation>
    </message>
    <message>
        <source>Tuner2</source>
        <translation>الموالف 2</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Switch Type :</source>
        <translation>نوع المبدّل :</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>أدخل عدداً صحيحاً.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>أدخل عدداً صحيحاً بين %1 و %2.</translation>
    </message>
    <message>
        <source>Do you want to remove this item from DB?</source>
        <translation>هل تريد إزالة هذا العنصر من قاعدة البيانات؟</translation>
    </message>
    <message>
        <source>The LNB settings could not be saved; the stored ones are kept.</source>
        <translation>تعذر حفظ إعدادات LNB؛ وتبقى الإعدادات المحفوظة.</translation>
    </message>
    <message>
        <source>Save LNB settings</source>
        <translation>حفظ إعدادات LNB</translation>
    </message>
</context>
<context>
    <name>LangTab</name>
    <message>
        <source>Select Languge</source>
        <translation>اختيار اللغة</translation>
    </message>
    <message>
        <source>Menu Language </source>
        <translation>لغة القائمة </translation>
    </message>
    <message>
        <source>Audio Language </source>
        <translation>لغة الصوت </translation>
    </message>
    <message>
        <source>Subtitle Language :</source>
        <translation>لغة الترجمة :</translation>
    </message>
</context>
<context>
    <name>LayoutMemory</name>
    <message>
        <source>Reset Layout</source>
        <translation>إعادة تعيين التخطيط</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>No</source>
        <translation>الرقم</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>الخدمة</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>النوع</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>القمر الصناعي</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>التردد</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>معدل الترميز</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>الاستقطاب</translation>
    </message>
    <message>
        <source>SID</source>
        <translation>SID</translation>
    </message>
    <message>
        <source>V-PID</source>
        <translation>V-PID</translation>
    </message>
    <message>
        <source>A-PID</source>
        <translation>A-PID</translation>
    </message>
    <message>
        <source>PCR</source>
        <translation>PCR</translation>
    </message>
    <message>
        <source>PMT</source>
        <translation>PMT</translation>
    </message>
    <message>
        <source>Flag</source>
        <translation>علامات</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>المزوّد</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>الموقع</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>معدل الترميز</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>الاستقطاب</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>نوع LNB</translation>
    </message>
    <message>
        <source>Local Freq</source>
        <translation>تردد LO</translation>
    </message>
    <message>
        <source>DiSEqC</source>
        <translation>DiSEqC</translation>
    </message>
    <message>
        <source>22 khz</source>
        <translation>22 kHz</translation>
    </message>
</context>
<context>
    <name>ListPrintSheet</name>
    <message>
        <source>Channel list</source>
        <translation>قائمة القنوات</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>مجموعة المفضلة: %1</translation>
    </message>
</context>
<context>
    <name>LockTab</name>
    <message>
        <source>Maturity Control </source>
        <translation>الرقابة الأبوية </translation>
    </message>
    <message>
        <source>Lock Items</source>
        <translation>العناصر المقفلة</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>قفل النظام</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>قفل القنوات</translation>
    </message>
    <message>
        <source>Hide Channel</source>
        <translation>إخفاء القناة</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>&amp;Tools</source>
        <translation>أ&amp;دوات</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>الإ&amp;عدادات</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>الت&amp;نسيق</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>ا&amp;ستيراد</translation>
    </message>
    <message>
        <source>From SatcoDX</source>
        <translation>من SatcoDX</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>ت&amp;صدير</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>م&amp;ساعدة</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>&amp;حول Orvane</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>عرض معلومات البرنامج ورقم الإصدار وحقوق النشر</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>ال&amp;لغة</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>The interface changes to %1 when Orvane starts again.</source>
        <translation>ستتغير الواجهة إلى %1 عند تشغيل Orvane مرة أخرى.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;ملف</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;جديد</translation>
    </message>
    <message>
        <source>New</source>
        <translation>جديد</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>إنشاء مستند جديد</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;فتح</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>فتح مستند موجود</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;حفظ</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>حفظ</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>حفظ المستند النشط</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>حفظ &amp;باسم...</translation>
    </message>
    <message>
        <source>USB &amp;Upload</source>
        <translation>&amp;رفع USB</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>رفع</translation>
    </message>
    <message>
        <source>Transfer DB file from Settop</source>
        <translation>نقل ملف قاعدة البيانات من جهاز الاستقبال</translation>
    </message>
    <message>
        <source>USB &amp;Download</source>
        <translation>&amp;تنزيل USB</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message>
        <source>Transfer DB file to Settop</source>
        <translation>نقل ملف قاعدة البيانات إلى جهاز الاستقبال</translation>
    </message>
    <message>
        <source>Restore Receiver &amp;Backup...</source>
        <translation>استعادة &amp;نسخة احتياطية لجهاز الاستقبال...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>ملف حديث</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;خروج</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;تحرير</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;عرض</translation>
    </message>
    <message>
        <source>&amp;Channel Edit</source>
        <translation>تحرير ال&amp;قنوات</translation>
    </message>
    <message>
        <source>&amp;NIT Edit</source>
        <translation>تحرير &amp;NIT</translation>
    </message>
    <message>
        <source>&amp;LNB Edit</source>
        <translation>تحرير &amp;LNB</translation>
    </message>
    <message>
        <source>Next &amp;Pane</source>
        <translation>الجزء ال&amp;تالي</translation>
    </message>
    <message>
        <source>P&amp;revious Pane</source>
        <translation>الجزء ال&amp;سابق</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;بحث...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>بحث عن ال&amp;تالي</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>بحث عن ال&amp;سابق</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>قياسي</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>إعادة الترقيم</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>جاهز</translation>
    </message>
    <message>
        <source>Error in load view</source>
        <translation>خطأ في تحميل العرض</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Channel Edit</source>
        <translation>القنوات</translation>
    </message>
    <message>
        <source>NIT Edit</source>
        <translation>NIT</translation>
    </message>
    <message>
        <source>LNB Edit</source>
        <translation>LNB</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>الإعدادات</translation>
    </message>
</context>
<context>
    <name>NITView</name>
    <message>
        <source>Do you want to delete this item from DB?</source>
        <translation>هل تريد حذف هذا العنصر من قاعدة البيانات؟</translation>
    </message>
    <message>
        <source>Delete process is failed</source>
        <translation>فشلت عملية الحذف</translation>
    </message>
    <message>
        <source>Click the satellite of the new TP in the left list first.</source>
        <translation>انقر أولاً على القمر الصناعي للتردد الجديد في القائمة اليسرى.</translation>
    </message>
    <message>
        <source>Add satellite</source>
        <translation>إضافة قمر صناعي</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <translation>تحرير القمر الصناعي %1</translation>
    </message>
    <message>
        <source>Add transponder</source>
        <translation>إضافة تردد</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>تحرير التردد</translation>
    </message>
    <message>
        <source>Delete satellites</source>
        <translation>حذف أقمار صناعية</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>حذف ترددات</translation>
    </message>
    <message>
        <source>Move satellites</source>
        <translation>نقل أقمار صناعية</translation>
    </message>
</context>
<context>
    <name>OrvaneDoc</name>
    <message>
        <source>Untitled</source>
        <translation>بلا اسم</translation>
    </message>
    <message>
        <source>%1 is %2, not a DB file, so it is not opened.</source>
        <translation>%1 هو %2 وليس ملف قاعدة بيانات، لذا لم يُفتح.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>لم يُعثر على %1.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before opening it here.</source>
        <translation>%1 مفتوح في نافذة أخرى. أغلقه هناك قبل فتحه هنا.</translation>
    </message>
    <message>
        <source>%1 is not opened: %2 is a link or a file of another user where the editor keeps its own file. Remove it and open the file again.</source>
        <translation>لم يُفتح %1: %2 رابط أو ملف لمستخدم آخر في المكان الذي يحفظ فيه المحرر ملفه الخاص. أزله وافتح الملف مرة أخرى.</translation>
    </message>
    <message>
        <source>%1 cannot be read the way SQLite reads it, so it is not opened.
%2</source>
        <translation>لا يمكن قراءة %1 بالطريقة التي يقرأ بها SQLite، لذا لم يُفتح.
%2</translation>
    </message>
    <message>
        <source>The working copy %1 could not be made, so the file is not opened.
%2</source>
        <translation>تعذر إنشاء نسخة العمل %1، لذا لم يُفتح الملف.
%2</translation>
    </message>
    <message>
        <source>File open failed reading DB</source>
        <translation>فشل فتح الملف أثناء قراءة قاعدة البيانات</translation>
    </message>
    <message>
        <source>Invalid DB Version file. It must use %1</source>
        <translation>إصدار قاعدة بيانات غير صالح. يجب أن يستخدم %1</translation>
    </message>
    <message>
        <source>The DB does not have the receiver&apos;s table layout, so it is not opened.
%1</source>
        <translation>لا تملك قاعدة البيانات تخطيط جداول جهاز الاستقبال، لذا لم تُفتح.
%1</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>تعذر فتح المستند.</translation>
    </message>
    <message>
        <source>Do you want to save the changed DB contents?</source>
        <translation>هل تريد حفظ التغييرات في قاعدة البيانات؟</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it. Replace it with your version?
Choose No to keep it and use Save As instead.</source>
        <translation>غيّر برنامج آخر %1 منذ أن فتحته. هل تريد استبداله بنسختك؟
اختر «لا» للإبقاء عليه واستخدم «حفظ باسم» بدلاً من ذلك.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before saving over it.</source>
        <translation>%1 مفتوح في نافذة أخرى. أغلقه هناك قبل الحفظ فوقه.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2 is a link or a file of another user where the editor keeps its own file; remove it first.</source>
        <translation>تعذر حفظ قاعدة البيانات في %1.
%2 رابط أو ملف لمستخدم آخر في المكان الذي يحفظ فيه المحرر ملفه الخاص؛ أزله أولاً.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
It is the working copy itself; please choose another name.</source>
        <translation>تعذر حفظ قاعدة البيانات في %1.
إنها نسخة العمل نفسها؛ يُرجى اختيار اسم آخر.</translation>
    </message>
    <message>
        <source>The DB is in the middle of a change and was not saved. Please try again.</source>
        <translation>قاعدة البيانات في منتصف تغيير ولم تُحفظ. يُرجى المحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
The last changes could not be gathered from %2-wal, another program may be reading it (%3).</source>
        <translation>تعذر حفظ قاعدة البيانات في %1.
تعذر جمع آخر التغييرات من %2-wal، ربما يقرؤه برنامج آخر (%3).</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2</source>
        <translation>تعذر حفظ قاعدة البيانات في %1.
%2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>%1 is read-only, so the DB cannot be saved there. Please choose another name.</source>
        <translation>%1 للقراءة فقط، لذا لا يمكن حفظ قاعدة البيانات هناك. يُرجى اختيار اسم آخر.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>حفظ باسم</translation>
    </message>
</context>
<context>
    <name>OrvaneView</name>
    <message>
        <source>exceed valid number!</source>
        <translation>رقم غير صالح!</translation>
    </message>
    <message>
        <source>Do you want to delete this channel from DB?</source>
        <translation>هل تريد حذف هذه القناة من قاعدة البيانات؟</translation>
    </message>
    <message>
        <source>You already insert same channel!</source>
        <translation>هذه القناة مضافة بالفعل!</translation>
    </message>
    <message>
        <source>You already insert &quot;%1&quot; channel!</source>
        <translation>القناة «%1» مضافة بالفعل!</translation>
    </message>
    <message>
        <source>Error! Your job is canceled.</source>
        <translation>خطأ! تم إلغاء المهمة.</translation>
    </message>
    <message>
        <source>The channels could not be deleted from the DB.
Nothing has been deleted.</source>
        <translation>تعذر حذف القنوات من قاعدة البيانات.
لم يُحذف شيء.</translation>
    </message>
    <message>
        <source>The list does not show the channels stored in the DB.
Reopen the file and renumber again.</source>
        <translation>لا تعرض القائمة القنوات المحفوظة في قاعدة البيانات.
أعد فتح الملف ثم أعد الترقيم.</translation>
    </message>
    <message>
        <source>The new numbers could not be stored in the DB.
Nothing has been changed.</source>
        <translation>تعذر حفظ الأرقام الجديدة في قاعدة البيانات.
لم يتغير شيء.</translation>
    </message>
    <message>
        <source>Renumber and reordering by dragging are off while a filter hides channels: the order of the hidden channels must not change unseen.</source>
        <translation>إعادة الترقيم وإعادة الترتيب بالسحب متوقفتان ما دام مرشح يخفي قنوات: يجب ألا يتغير ترتيب القنوات المخفية دون أن يُرى.</translation>
    </message>
    <message>
        <source>Filter on: %1 of %2 channels shown. %3</source>
        <translation>المرشح مفعّل: تظهر %1 من %2 قناة. %3</translation>
    </message>
    <message>
        <source>Add channel</source>
        <translation>إضافة قناة</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>تحرير القناة %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>حذف %n قناة</numerusform>
            <numerusform>حذف %n قناة</numerusform>
            <numerusform>حذف %n قناة</numerusform>
            <numerusform>حذف %n قنوات</numerusform>
            <numerusform>حذف %n قناة</numerusform>
            <numerusform>حذف %n قناة</numerusform>
        </translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>إعادة الترقيم</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite group</source>
        <translation>
            <numerusform>إضافة %n قناة إلى مجموعة مفضلة</numerusform>
            <numerusform>إضافة %n قناة إلى مجموعة مفضلة</numerusform>
            <numerusform>إضافة %n قناة إلى مجموعة مفضلة</numerusform>
            <numerusform>إضافة %n قنوات إلى مجموعة مفضلة</numerusform>
            <numerusform>إضافة %n قناة إلى مجموعة مفضلة</numerusform>
            <numerusform>إضافة %n قناة إلى مجموعة مفضلة</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to the favourite list</source>
        <translation>
            <numerusform>إضافة %n قناة إلى قائمة المفضلة</numerusform>
            <numerusform>إضافة %n قناة إلى قائمة المفضلة</numerusform>
            <numerusform>إضافة %n قناة إلى قائمة المفضلة</numerusform>
            <numerusform>إضافة %n قنوات إلى قائمة المفضلة</numerusform>
            <numerusform>إضافة %n قناة إلى قائمة المفضلة</numerusform>
            <numerusform>إضافة %n قناة إلى قائمة المفضلة</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>الصفحة %1 من %2</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: لا يمكن الكتابة: %2</translation>
    </message>
    <message>
        <source>the PDF could not be painted</source>
        <translation>تعذر رسم ملف PDF</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 قناة</translation>
    </message>
    <message>
        <source>%1 of %2 channels</source>
        <translation>%1 من %2 قناة</translation>
    </message>
</context>
<context>
    <name>PendingEdits</name>
    <message>
        <source>The changes on this page have not been saved with &quot;SAVE&quot; yet.
Do you want to save them now?</source>
        <translation>لم تُحفظ التغييرات في هذه الصفحة بزر «حفظ» بعد.
هل تريد حفظها الآن؟</translation>
    </message>
</context>
<context>
    <name>ReplaceNamesDlg</name>
    <message>
        <source>&amp;Ignore case</source>
        <translation>&amp;تجاهل حالة الأحرف</translation>
    </message>
    <message>
        <source>Replace in Names</source>
        <translation>استبدال في الأسماء</translation>
    </message>
    <message>
        <source>Old name</source>
        <translation>الاسم القديم</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>الاسم الجديد</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;بحث:</translation>
    </message>
    <message>
        <source>&amp;Replace with:</source>
        <translation>ا&amp;ستبدال بـ:</translation>
    </message>
    <message>
        <source>over %1 bytes</source>
        <translation>أكثر من %1 بايت</translation>
    </message>
    <message>
        <source>%1 new names are longer than %2 bytes.</source>
        <translation>%1 من الأسماء الجديدة أطول من %2 بايت.</translation>
    </message>
    <message>
        <source>%1 names change.</source>
        <translation>يتغير %1 من الأسماء.</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDlg</name>
    <message>
        <source>Restore Receiver Backup</source>
        <translation>استعادة نسخة احتياطية لجهاز الاستقبال</translation>
    </message>
    <message>
        <source>Backups of the receiver&apos;s list in %1:</source>
        <translation>النسخ الاحتياطية لقائمة جهاز الاستقبال في %1:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>التاريخ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>القنوات</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> بايت</translation>
    </message>
    <message>
        <source>Send(&amp;S)</source>
        <translation>إرسال(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>إلغاء(&amp;C)</translation>
    </message>
</context>
<context>
    <name>RowFormat</name>
    <message>
        <source>mini A</source>
        <translation>mini A</translation>
    </message>
    <message>
        <source>mini B</source>
        <translation>mini B</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>تشغيل</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>تلقائي</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>أفقي</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>عمودي</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>لا بيانات</translation>
    </message>
</context>
<context>
    <name>SelectNitDlg</name>
    <message>
        <source>Select TP Information in the list.</source>
        <translation>اختر معلومات التردد (TP) في القائمة.</translation>
    </message>
    <message>
        <source>Select NIT</source>
        <translation>اختيار NIT</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message>
        <source>&amp;Satellites</source>
        <translation>الأقمار ال&amp;صناعية</translation>
    </message>
    <message>
        <source>&amp;TP List</source>
        <translation>قائمة &amp;TP</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <source>The receiver&apos;s settings could not be read from the DB:
%1</source>
        <translation>تعذرت قراءة إعدادات جهاز الاستقبال من قاعدة البيانات:
%1</translation>
    </message>
    <message>
        <source>The settings could not be stored in the DB:
%1
Nothing has been changed.</source>
        <translation>تعذر حفظ الإعدادات في قاعدة البيانات:
%1
لم يتغير شيء.</translation>
    </message>
    <message>
        <source>The default settings could not be copied in the DB:
%1
Nothing has been changed.</source>
        <translation>تعذر نسخ الإعدادات الافتراضية في قاعدة البيانات:
%1
لم يتغير شيء.</translation>
    </message>
    <message>
        <source>This file has no default settings.
Nothing has been changed.</source>
        <translation>لا توجد إعدادات افتراضية في هذا الملف.
لم يتغير شيء.</translation>
    </message>
    <message>
        <source>The stored settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
They are left unchanged.</source>
        <translation>تحتوي الإعدادات المحفوظة على قيمة لا يسمح بها تنسيق جهاز الاستقبال (%1 = %2).
تبقى دون تغيير.</translation>
    </message>
    <message>
        <source>The default settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
The settings are left unchanged.</source>
        <translation>تحتوي الإعدادات الافتراضية على قيمة لا يسمح بها تنسيق جهاز الاستقبال (%1 = %2).
تبقى الإعدادات دون تغيير.</translation>
    </message>
    <message>
        <source>Main Menu Setting</source>
        <translation>إعداد القائمة الرئيسية</translation>
    </message>
    <message>
        <source>User&apos;s Setting</source>
        <translation>إعدادات المستخدم</translation>
    </message>
    <message>
        <source>Lock Control</source>
        <translation>التحكم في القفل</translation>
    </message>
    <message>
        <source>Language </source>
        <translation>اللغة </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;موافق</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>الا&amp;فتراضي</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>إ&amp;لغاء</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>إعدادات جهاز الاستقبال</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>English</source>
        <translation>الإنجليزية</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>الروسية</translation>
    </message>
    <message>
        <source>French</source>
        <translation>الفرنسية</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>الإيطالية</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>الهولندية</translation>
    </message>
    <message>
        <source>German</source>
        <translation>الألمانية</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>الدنماركية</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>العربية</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>اليونانية</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>التركية</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>الإسبانية</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>السويدية</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>النرويجية</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>إيقاف</translation>
    </message>
    <message>
        <source>5 Years</source>
        <translation>5 سنوات</translation>
    </message>
    <message>
        <source>8 Years</source>
        <translation>8 سنوات</translation>
    </message>
    <message>
        <source>10 Years</source>
        <translation>10 سنوات</translation>
    </message>
    <message>
        <source>13 Years</source>
        <translation>13 سنة</translation>
    </message>
    <message>
        <source>15 Years</source>
        <translation>15 سنة</translation>
    </message>
    <message>
        <source>18 Years</source>
        <translation>18 سنة</translation>
    </message>
    <message>
        <source>4 : 3 PS</source>
        <translation>4 : 3 PS</translation>
    </message>
    <message>
        <source>4 : 3 LB</source>
        <translation>4 : 3 LB</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <translation>ثانيتان</translation>
    </message>
    <message>
        <source>3 seconds</source>
        <translation>3 ثوانٍ</translation>
    </message>
    <message>
        <source>4 seconds</source>
        <translation>4 ثوانٍ</translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation>5 ثوانٍ</translation>
    </message>
    <message>
        <source>6 seconds</source>
        <translation>6 ثوانٍ</translation>
    </message>
    <message>
        <source>7 seconds</source>
        <translation>7 ثوانٍ</translation>
    </message>
    <message>
        <source>8 seconds</source>
        <translation>8 ثوانٍ</translation>
    </message>
    <message>
        <source>9 seconds</source>
        <translation>9 ثوانٍ</translation>
    </message>
    <message>
        <source>10 seconds</source>
        <translation>10 ثوانٍ</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>عادي</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>بسيط</translation>
    </message>
</context>
<context>
    <name>StatusCounts</name>
    <message>
        <source>Channels in the file, of them TV and radio, and the entries of the current favourite group</source>
        <translation>القنوات في الملف، ومنها التلفزيون والراديو، وإدخالات مجموعة المفضلة الحالية</translation>
    </message>
    <message>
        <source>Channels: %1   TV: %2   Radio: %3</source>
        <translation>القنوات: %1   TV: %2   راديو: %3</translation>
    </message>
</context>
<context>
    <name>TransferDlg</name>
    <message>
        <source>Start(&amp;S)</source>
        <translation>بدء(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>إلغاء(&amp;C)</translation>
    </message>
    <message>
        <source>Stop the transfer after the current chunk?</source>
        <translation>هل تريد إيقاف النقل بعد الجزء الحالي؟</translation>
    </message>
</context>
<context>
    <name>TransferRuns</name>
    <message>
        <source>File Opened failed!</source>
        <translation>فشل فتح الملف!</translation>
    </message>
    <message>
        <source>The download was stopped after %1 of %2 bytes.</source>
        <translation>توقف التنزيل بعد %1 من %2 بايت.</translation>
    </message>
    <message>
        <source>Reading the file failed! The DB file was not sent completely.</source>
        <translation>فشلت قراءة الملف! لم يُرسل ملف قاعدة البيانات بالكامل.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE03 failed!</source>
        <translation>فشل طلب نقل البيانات على PIPE03!</translation>
    </message>
    <message>
        <source>Writing PIPE03 failed!</source>
        <translation>فشلت الكتابة إلى PIPE03!</translation>
    </message>
    <message>
        <source>The upload was stopped after %1 of %2 bytes.</source>
        <translation>توقف الرفع بعد %1 من %2 بايت.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE02 failed!</source>
        <translation>فشل طلب نقل البيانات على PIPE02!</translation>
    </message>
    <message>
        <source>Reading PIPE02 failed!</source>
        <translation>فشلت القراءة من PIPE02!</translation>
    </message>
    <message>
        <source>Writing %1 failed!</source>
        <translation>فشلت كتابة %1!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE03.</source>
        <translation>فشل فتح برنامج التشغيل! لا يمكن الكتابة إلى PIPE03.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE03.</source>
        <translation>فشل فتح الجهاز! لا يمكن الكتابة إلى PIPE03.</translation>
    </message>
    <message>
        <source>The path %1 is too long; it must be shorter than %2 bytes.</source>
        <translation>المسار %1 طويل جداً؛ يجب أن يكون أقصر من %2 بايت.</translation>
    </message>
    <message>
        <source>Can&apos;t open file.</source>
        <translation>لا يمكن فتح الملف.</translation>
    </message>
    <message>
        <source>Can not get file size from STB!</source>
        <translation>تعذر الحصول على حجم الملف من جهاز الاستقبال!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE02.</source>
        <translation>فشل فتح برنامج التشغيل! لا يمكن الكتابة إلى PIPE02.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE02.</source>
        <translation>فشل فتح الجهاز! لا يمكن الكتابة إلى PIPE02.</translation>
    </message>
    <message>
        <source>The DB file was not received completely: %1 of %2 bytes arrived. They are kept in %3, which is not opened.</source>
        <translation>لم يُستلم ملف قاعدة البيانات بالكامل: وصل %1 من %2 بايت. وهي محفوظة في %3 الذي لن يُفتح.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>لا يمكن كتابة %1.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Check that it is on and connected, then press Start again.</source>
        <translation>لم يُرسل شيء؛ يحتفظ جهاز الاستقبال بقائمته. تحقق من أنه يعمل ومتصل، ثم اضغط «بدء» مرة أخرى.</translation>
    </message>
    <message>
        <source>Nothing was sent. Make the folder writable, or clear &quot;Back up the receiver&apos;s list first&quot; to send without a backup.</source>
        <translation>لم يُرسل شيء. اجعل المجلد قابلاً للكتابة، أو ألغِ تحديد «نسخ قائمة جهاز الاستقبال احتياطياً أولاً» للإرسال دون نسخة احتياطية.</translation>
    </message>
    <message>
        <source>The backup of the receiver&apos;s list failed. </source>
        <translation>فشل النسخ الاحتياطي لقائمة جهاز الاستقبال. </translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup (File &gt; Restore Receiver Backup...) or this file again.</source>
        <translation>قد يحمل جهاز الاستقبال قائمة غير مكتملة. أرسل النسخة الاحتياطية (ملف &gt; استعادة نسخة احتياطية لجهاز الاستقبال...) أو هذا الملف مرة أخرى.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Press Start to try again.</source>
        <translation>لم يُرسل شيء؛ يحتفظ جهاز الاستقبال بقائمته. اضغط «بدء» للمحاولة مرة أخرى.</translation>
    </message>
    <message>
        <source>The file was sent but not read back. Fetch the receiver&apos;s list with USB Upload to check it.</source>
        <translation>أُرسل الملف لكن لم تتم قراءته مرة أخرى. اجلب قائمة جهاز الاستقبال عبر رفع USB للتحقق منها.</translation>
    </message>
    <message>
        <source>not read back</source>
        <translation>لم تتم القراءة مرة أخرى</translation>
    </message>
    <message>
        <source>The receiver&apos;s list is not what was sent: %1.</source>
        <translation>قائمة جهاز الاستقبال ليست ما أُرسل: %1.</translation>
    </message>
    <message>
        <source>Send the file again; if the difference stays, the receiver changes the list itself.</source>
        <translation>أرسل الملف مرة أخرى؛ إذا بقي الاختلاف فإن جهاز الاستقبال يغيّر القائمة بنفسه.</translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 s</source>
        <translation>أُرسل %1 بايت في %2 ث</translation>
    </message>
    <message>
        <source>; read back: </source>
        <translation>؛ القراءة مرة أخرى: </translation>
    </message>
</context>
<context>
    <name>TransferSteps</name>
    <message>
        <source>USB is not connected. Try again!</source>
        <translation>USB غير متصل. حاول مرة أخرى!</translation>
    </message>
</context>
<context>
    <name>UndoCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;تراجع عن %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;تراجع</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>إ&amp;عادة %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>إ&amp;عادة</translation>
    </message>
    <message>
        <source>&quot;%1 %2&quot; could not be done: the DB is busy or cannot be written (SQLite error %3).
The DB is as it was.</source>
        <translation>تعذر تنفيذ «%1 %2»: قاعدة البيانات مشغولة أو لا يمكن الكتابة فيها (خطأ SQLite رقم %3).
بقيت قاعدة البيانات كما كانت.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>تراجع</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>إعادة</translation>
    </message>
</context>
<context>
    <name>UsbDownloadDlg</name>
    <message>
        <source>USB Download</source>
        <translation>تنزيل USB</translation>
    </message>
    <message>
        <source>Download from file(&amp;D)</source>
        <translation>تنزيل من ملف(&amp;D)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>ملف محلي</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>ملف(&amp;F)</translation>
    </message>
    <message>
        <source>Back up the receiver&apos;s list first</source>
        <translation>نسخ قائمة جهاز الاستقبال احتياطياً أولاً</translation>
    </message>
    <message>
        <source>Read the list back and compare</source>
        <translation>قراءة القائمة مرة أخرى ومقارنتها</translation>
    </message>
    <message>
        <source>Download Progress</source>
        <translation>تقدم التنزيل</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message>
        <source>DB File(*.dat);;All Files(*.*)</source>
        <translation>ملف قاعدة بيانات(*.dat);;كل الملفات(*.*)</translation>
    </message>
    <message>
        <source>Please open or select your DB file first.</source>
        <translation>يُرجى فتح ملف قاعدة البيانات أو اختياره أولاً.</translation>
    </message>
    <message>
        <source>If you download this DB file, then the existing DB in the STB will be deleted. is deleted. Are you sure to continue?</source>
        <translation>إذا نزّلت ملف قاعدة البيانات هذا فستُحذف قاعدة البيانات الموجودة في جهاز الاستقبال. هل أنت متأكد من المتابعة؟</translation>
    </message>
    <message>
        <source>File Opened failed!</source>
        <translation>فشل فتح الملف!</translation>
    </message>
    <message>
        <source>The file %1 is not sent: %2.
Repair it (orvane-cli check names every problem) or choose another file.</source>
        <translation>لم يُرسل الملف %1: %2.
أصلحه (يذكر orvane-cli check كل مشكلة) أو اختر ملفاً آخر.</translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup of its list taken before this download (%1)?</source>
        <translation>قد يحمل جهاز الاستقبال قائمة غير مكتملة. هل تُرسل النسخة الاحتياطية لقائمته المأخوذة قبل هذا التنزيل (%1)؟</translation>
    </message>
</context>
<context>
    <name>UsbUploadDlg</name>
    <message>
        <source>USB Upload</source>
        <translation>رفع USB</translation>
    </message>
    <message>
        <source>Local directory</source>
        <translation>مجلد محلي</translation>
    </message>
    <message>
        <source>Browse(&amp;B)</source>
        <translation>استعراض(&amp;B)</translation>
    </message>
    <message>
        <source>Open Upload DB file(&amp;O)</source>
        <translation>فتح ملف قاعدة البيانات المرفوع(&amp;O)</translation>
    </message>
    <message>
        <source>Upload Progress</source>
        <translation>تقدم الرفع</translation>
    </message>
    <message>
        <source>Can not return a path for the selected item!</source>
        <translation>لا يمكن الحصول على مسار للعنصر المحدد!</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>رسالة خطأ</translation>
    </message>
    <message>
        <source>Please select the folder first.</source>
        <translation>يُرجى اختيار المجلد أولاً.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please select a folder.</source>
        <translation>%1 ليس مجلداً. يُرجى اختيار مجلد.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Do you want to create it?</source>
        <translation>المجلد %1 غير موجود. هل تريد إنشاءه؟</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>تعذر إنشاء المجلد %1.</translation>
    </message>
</context>
<context>
    <name>UserTab</name>
    <message>
        <source>Aspect Ratio </source>
        <translation>نسبة العرض إلى الارتفاع </translation>
    </message>
    <message>
        <source>Banner Time Out (Seconds)</source>
        <translation>مدة ظهور الشريط (بالثواني)</translation>
    </message>
    <message>
        <source>Banner Type</source>
        <translation>نوع الشريط</translation>
    </message>
    <message>
        <source>Subtitle </source>
        <translation>الترجمة </translation>
    </message>
    <message>
        <source>Timeshift</source>
        <translation>Timeshift</translation>
    </message>
</context>
<context>
    <name>print::CPrintOptionsDlg</name>
    <message>
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message>
        <source>Channel list as shown</source>
        <translation>قائمة القنوات كما تظهر</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>مجموعة المفضلة: %1</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>جدول</translation>
    </message>
    <message>
        <source>Channel Card (number and name, large type)</source>
        <translation>بطاقة القنوات (الرقم والاسم، خط كبير)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>عمودي</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>أفقي</translation>
    </message>
    <message>
        <source>&amp;Print:</source>
        <translation>&amp;طباعة:</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>الت&amp;خطيط:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>الا&amp;تجاه:</translation>
    </message>
</context>
<context>
    <name>print::CPrintPreviewDlg</name>
    <message>
        <source>Print Preview</source>
        <translation>معاينة الطباعة</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>الصفحة ال&amp;سابقة</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>الصفحة ال&amp;تالية</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;طباعة…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>إ&amp;غلاق</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>الصفحة %1 من %2</translation>
    </message>
</context>
</TS>
