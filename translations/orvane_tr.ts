<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR" sourcelanguage="en">
<context>
    <name>AboutDlg</name>
    <message>
        <source>About Orvane</source>
        <translation>Orvane Hakkında</translation>
    </message>
    <message>
        <source>Melvex400 Orvane Version 1.0</source>
        <translation>Melvex400 Orvane Sürüm 1.0</translation>
    </message>
    <message>
        <source>Channel list editor for the receiver&apos;s database</source>
        <translation>Alıcının veritabanı için kanal listesi düzenleyicisi</translation>
    </message>
</context>
<context>
    <name>AppMessages</name>
    <message>
        <source>It has no DB. First open your DB!</source>
        <translation>Açık bir DB yok. Önce DB dosyanızı açın!</translation>
    </message>
</context>
<context>
    <name>BulkCommands</name>
    <message>
        <source>Loc&amp;k</source>
        <translation>&amp;Kilitle</translation>
    </message>
    <message>
        <source>U&amp;nlock</source>
        <translation>Kilidi &amp;aç</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Gizle</translation>
    </message>
    <message>
        <source>Un&amp;hide</source>
        <translation>&amp;Göster</translation>
    </message>
    <message>
        <source>Move to &amp;Top</source>
        <translation>En &amp;üste taşı</translation>
    </message>
    <message>
        <source>Move to &amp;Bottom</source>
        <translation>En &amp;alta taşı</translation>
    </message>
    <message>
        <source>Move to N&amp;umber…</source>
        <translation>N&amp;umaraya taşı…</translation>
    </message>
    <message>
        <source>Replace in &amp;Names…</source>
        <translation>&amp;Adlarda değiştir…</translation>
    </message>
    <message>
        <source>&amp;Renumber Selection From…</source>
        <translation>Seçimi şu numaradan &amp;yeniden numaralandır…</translation>
    </message>
    <message>
        <source>exceed valid number!</source>
        <translation>Geçersiz numara!</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>%1 başarısız oldu (sqlite3 hatası %2); hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Move to Number</source>
        <translation>Numaraya taşı</translation>
    </message>
    <message>
        <source>The selected channels take the places from:</source>
        <translation>Seçili kanallar şu numaradan başlayarak yerleşir:</translation>
    </message>
    <message>
        <source>Renumber Selection From</source>
        <translation>Seçimi şu numaradan yeniden numaralandır</translation>
    </message>
    <message>
        <source>The selected channels are numbered from:</source>
        <translation>Seçili kanallar şu numaradan başlayarak numaralandırılır:</translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot;</source>
        <translation>“%1” grubuna ekleniyor</translation>
    </message>
    <message>
        <source>You already insert same channel!
%1 of the %2 channels were in &quot;%3&quot; already and were skipped.</source>
        <translation>Bu kanal zaten eklenmiş!
%2 kanalın %1 tanesi zaten “%3” içindeydi ve atlandı.</translation>
    </message>
    <message>
        <source>Add to &amp;Favourite Group</source>
        <translation>&amp;Favori grubuna ekle</translation>
    </message>
    <message>
        <source>Renumbering</source>
        <translation>Yeniden numaralandırma</translation>
    </message>
    <message>
        <source>Replacing in names</source>
        <translation>Adlarda değiştiriliyor</translation>
    </message>
    <message numerus="yes">
        <source>Lock %n channel(s)</source>
        <translation>
            <numerusform>%n kanalı kilitle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unlock %n channel(s)</source>
        <translation>
            <numerusform>%n kanalın kilidini aç</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hide %n channel(s)</source>
        <translation>
            <numerusform>%n kanalı gizle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Unhide %n channel(s)</source>
        <translation>
            <numerusform>%n kanalı göster</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to %1</source>
        <translation>
            <numerusform>%1 grubuna %n kanal ekle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n other channel(s) are already numbered from %1 to %2.
Move the channels numbered %1 and up by %3 to make room? No cancels.</source>
        <translation>
            <numerusform>Diğer %n kanal zaten %1 ile %2 arasında numaralı.
Yer açmak için %1 ve sonrasındaki kanallar %3 kaydırılsın mı? Hayır iptal eder.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Renumber %n channel(s) from %1</source>
        <translation>
            <numerusform>%n kanalı %1 numarasından yeniden numaralandır</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Replace in %n name(s)</source>
        <translation>
            <numerusform>%n adda değiştir</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the top</source>
        <translation>
            <numerusform>%n kanalı en üste taşı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to the bottom</source>
        <translation>
            <numerusform>%n kanalı en alta taşı</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n channel(s) to number %1</source>
        <translation>
            <numerusform>%n kanalı %1 numarasına taşı</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>BusyProgress</name>
    <message>
        <source>%1: %2 of %3</source>
        <translation>%1: %2 / %3</translation>
    </message>
</context>
<context>
    <name>CAddChannelsDlg</name>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Başka Bir Dosyadan Kanal Ekle</translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s) of %1 are not in this file:</source>
        <translation>
            <numerusform>%1 içindeki %n kanal bu dosyada yok:</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter by name, satellite or provider</source>
        <translation>Ada, uyduya veya sağlayıcıya göre süz</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Transponder</source>
        <translation>Transponder</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Sağlayıcı</translation>
    </message>
    <message>
        <source>after the last channel</source>
        <translation>son kanaldan sonra</translation>
    </message>
    <message>
        <source>&amp;Number from:</source>
        <translation>Şu &amp;numaradan başla:</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tümünü Seç</translation>
    </message>
    <message>
        <source>Select the channels to add.</source>
        <translation>Eklenecek kanalları seçin.</translation>
    </message>
    <message>
        <source>Give a channel number from 1 to 99999, or leave it blank.</source>
        <translation>1 ile 99999 arasında bir kanal numarası girin veya boş bırakın.</translation>
    </message>
</context>
<context>
    <name>CBulkCommands</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Kanallar yeniden numaralandırılıyor</translation>
    </message>
    <message>
        <source>Renaming channels</source>
        <translation>Kanallar yeniden adlandırılıyor</translation>
    </message>
</context>
<context>
    <name>CCompareFileDlg</name>
    <message>
        <source>Compare with %1</source>
        <translation>%1 ile karşılaştırma</translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 moved, %4 renamed</source>
        <translation>%1 eklendi, %2 kaldırıldı, %3 taşındı, %4 yeniden adlandırıldı</translation>
    </message>
    <message>
        <source>All changes</source>
        <translation>Tüm değişiklikler</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Eklenenler</translation>
    </message>
    <message>
        <source>Removed</source>
        <translation>Kaldırılanlar</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Taşınanlar</translation>
    </message>
    <message>
        <source>Renamed</source>
        <translation>Yeniden adlandırılanlar</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Değişiklik</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>New No</source>
        <translation>Yeni No</translation>
    </message>
    <message>
        <source>New Name</source>
        <translation>Yeni Ad</translation>
    </message>
    <message>
        <source>Rule</source>
        <translation>Kural</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>added</source>
        <translation>eklendi</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>kaldırıldı</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>taşındı</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>yeniden adlandırıldı</translation>
    </message>
    <message>
        <source>Apply &amp;Order from This File</source>
        <translation>Bu dosyadaki &amp;sırayı uygula</translation>
    </message>
    <message>
        <source>Add &amp;New Channels to Group…</source>
        <translation>&amp;Yeni kanalları bir gruba ekle…</translation>
    </message>
</context>
<context>
    <name>CCrossFileTools</name>
    <message>
        <source>Add New Channels to Group</source>
        <translation>Yeni kanalları bir gruba ekle</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Grup:</translation>
    </message>
    <message>
        <source>&amp;Compare with File…</source>
        <translation>Dosyayla &amp;karşılaştır…</translation>
    </message>
    <message>
        <source>&amp;Add Channels from Another File…</source>
        <translation>Başka bir dosyadan kanal &amp;ekle…</translation>
    </message>
    <message>
        <source>%1 fails the receiver&apos;s checks and was not used; nothing was changed.
%2</source>
        <translation>%1 alıcının denetimlerinden geçmedi ve kullanılmadı; hiçbir şey değiştirilmedi.
%2</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Dosyayla karşılaştır</translation>
    </message>
    <message>
        <source>Add Channels from Another File</source>
        <translation>Başka Bir Dosyadan Kanal Ekle</translation>
    </message>
    <message>
        <source>%1 could not be read.
%2</source>
        <translation>%1 okunamadı.
%2</translation>
    </message>
    <message>
        <source>This file has no favourite group to add the channels to.</source>
        <translation>Bu dosyada kanalların ekleneceği bir favori grubu yok.</translation>
    </message>
    <message numerus="yes">
        <source>Add %n new channel(s) to %1</source>
        <translation>
            <numerusform>%1 grubuna %n yeni kanal ekle</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding to &quot;%1&quot; failed (sqlite3 error %2); nothing was changed.</source>
        <translation>“%1” grubuna ekleme başarısız oldu (sqlite3 hatası %2); hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>This file holds every channel of %1.</source>
        <translation>Bu dosya %1 içindeki her kanalı içeriyor.</translation>
    </message>
    <message>
        <source>None of the chosen channels can be added; nothing was changed.
%1</source>
        <translation>Seçilen kanalların hiçbiri eklenemiyor; hiçbir şey değiştirilmedi.
%1</translation>
    </message>
    <message numerus="yes">
        <source>%n of the chosen channels cannot be added. Add the %1 others?</source>
        <translation>
            <numerusform>Seçilen kanallardan %n tanesi eklenemiyor. Diğer %1 kanal eklensin mi?</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Add the Others</source>
        <translation>&amp;Diğerlerini Ekle</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) from %1</source>
        <translation>
            <numerusform>%1 içinden %n kanal ekle</numerusform>
        </translation>
    </message>
    <message>
        <source>Adding the channels failed (sqlite3 error %1); nothing was changed.</source>
        <translation>Kanallar eklenemedi (sqlite3 hatası %1); hiçbir şey değiştirilmedi.</translation>
    </message>
</context>
<context>
    <name>CEditLnbDlg</name>
    <message>
        <source>Local Freq (high band)</source>
        <translation>LO Frekansı (yüksek bant)</translation>
    </message>
</context>
<context>
    <name>CLNBView</name>
    <message>
        <source>Copy Tuner1&apos;s LNB settings to Tuner2</source>
        <translation>Tuner 1&apos;in LNB ayarlarını Tuner 2&apos;ye kopyala</translation>
    </message>
    <message>
        <source>Showing Tuner%1</source>
        <translation>Gösterilen: Tuner %1</translation>
    </message>
</context>
<context>
    <name>COrvaneView</name>
    <message>
        <source>Renumbering channels</source>
        <translation>Kanallar yeniden numaralandırılıyor</translation>
    </message>
</context>
<context>
    <name>CPrintCommands</name>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Yazdır…</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Baskı &amp;Önizleme…</translation>
    </message>
    <message>
        <source>&amp;Export as PDF…</source>
        <translation>PDF olarak &amp;dışa aktar…</translation>
    </message>
    <message>
        <source>The list could not be printed.</source>
        <translation>Liste yazdırılamadı.</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>PDF olarak dışa aktar</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF dosyaları (*.pdf)</translation>
    </message>
    <message>
        <source>%1 is the open channel file; choose another name for the PDF.</source>
        <translation>%1 açık kanal dosyasıdır; PDF için başka bir ad seçin.</translation>
    </message>
</context>
<context>
    <name>CStatusCounts</name>
    <message>
        <source>%1 of %2 shown</source>
        <translation>%2 içinden %1 gösteriliyor</translation>
    </message>
    <message>
        <source>   Group &quot;%1&quot;: %2</source>
        <translation>   Grup “%1”: %2</translation>
    </message>
</context>
<context>
    <name>CTransferDlg</name>
    <message>
        <source>Details</source>
        <translation>Ayrıntılar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
</context>
<context>
    <name>CUsbDownloadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>yoklama: alıcı yanıt verdi</translation>
    </message>
    <message>
        <source>size: %1 bytes in %2, which passed the checks</source>
        <translation>boyut: %2 içinde %1 bayt, denetimlerden geçti</translation>
    </message>
    <message>
        <source>restore: sending the backup %1</source>
        <translation>geri yükleme: %1 yedeği gönderiliyor</translation>
    </message>
</context>
<context>
    <name>CUsbUploadDlg</name>
    <message>
        <source>probe: the receiver answered</source>
        <translation>yoklama: alıcı yanıt verdi</translation>
    </message>
    <message>
        <source>size and announcement: %1 bytes, into %2</source>
        <translation>boyut ve duyuru: %1 bayt, %2 içine</translation>
    </message>
    <message>
        <source>received: %1 of %2 bytes in %3 chunks</source>
        <translation>alınan: %2 bayttan %1 bayt, %3 blokta</translation>
    </message>
    <message>
        <source>removed the part received, %1</source>
        <translation>alınan kısım kaldırıldı, %1</translation>
    </message>
    <message>
        <source>Received %1 bytes in %2 s into %3</source>
        <translation>%1 bayt %2 sn içinde %3 içine alındı</translation>
    </message>
</context>
<context>
    <name>ChannelFindBar</name>
    <message>
        <source>Previous match (Shift+F3)</source>
        <translation>Önceki eşleşme (Shift+F3)</translation>
    </message>
    <message>
        <source>Next match (F3)</source>
        <translation>Sonraki eşleşme (F3)</translation>
    </message>
    <message>
        <source>Name, provider, service id or MHz</source>
        <translation>Ad, sağlayıcı, servis kimliği veya MHz</translation>
    </message>
    <message>
        <source>Close the find bar (Esc)</source>
        <translation>Arama çubuğunu kapat (Esc)</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>&amp;Bul:</translation>
    </message>
    <message>
        <source>Only &amp;matches</source>
        <translation>Yalnızca &amp;eşleşenler</translation>
    </message>
    <message>
        <source>TV</source>
        <translation>TV</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radyo</translation>
    </message>
    <message>
        <source>Any satellite</source>
        <translation>Tüm uydular</translation>
    </message>
    <message>
        <source>Loc&amp;ked</source>
        <translation>Ki&amp;litli</translation>
    </message>
    <message>
        <source>Hi&amp;dden</source>
        <translation>Gi&amp;zli</translation>
    </message>
    <message>
        <source>&amp;Scrambled</source>
        <translation>Şif&amp;reli</translation>
    </message>
    <message>
        <source>&amp;Not in a favourite group</source>
        <translation>&amp;Hiçbir favori grubunda değil</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Reached the end, continued from the top</source>
        <translation>Sona ulaşıldı, baştan devam edildi</translation>
    </message>
    <message>
        <source>Reached the top, continued from the bottom</source>
        <translation>Başa ulaşıldı, sondan devam edildi</translation>
    </message>
    <message>
        <source>No match</source>
        <translation>Eşleşme yok</translation>
    </message>
</context>
<context>
    <name>ChannelTools</name>
    <message>
        <source>CSV Files (*.csv);;All Files (*.*)</source>
        <translation>CSV dosyaları (*.csv);;Tüm dosyalar (*.*)</translation>
    </message>
    <message>
        <source>&amp;Export Channels to CSV…</source>
        <translation>Kanalları CSV olarak &amp;dışa aktar…</translation>
    </message>
    <message>
        <source>&amp;Import Channels from CSV…</source>
        <translation>Kanalları CSV&apos;den &amp;içe aktar…</translation>
    </message>
    <message>
        <source>Apply &amp;Order from Reference File…</source>
        <translation>Başvuru dosyasındaki &amp;sırayı uygula…</translation>
    </message>
    <message>
        <source>Find &amp;Duplicate Channels…</source>
        <translation>&amp;Yinelenen kanalları bul…</translation>
    </message>
    <message>
        <source>The channels could not be read (sqlite3 error %1).</source>
        <translation>Kanallar okunamadı (sqlite3 hatası %1).</translation>
    </message>
    <message>
        <source>%1 failed (sqlite3 error %2); nothing was changed.</source>
        <translation>%1 başarısız oldu (sqlite3 hatası %2); hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Export Channels to CSV</source>
        <translation>Kanalları CSV olarak dışa aktar</translation>
    </message>
    <message>
        <source>%1 could not be written.
%2</source>
        <translation>%1 yazılamadı.
%2</translation>
    </message>
    <message>
        <source>%1 channels were written to %2.</source>
        <translation>%1 kanal %2 dosyasına yazıldı.</translation>
    </message>
    <message>
        <source>Import Channels from CSV</source>
        <translation>Kanalları CSV&apos;den içe aktar</translation>
    </message>
    <message>
        <source>%1 could not be read as a channel list.</source>
        <translation>%1 bir kanal listesi olarak okunamadı.</translation>
    </message>
    <message>
        <source>%1 was not imported; nothing was changed.
%2</source>
        <translation>%1 içe aktarılmadı; hiçbir şey değiştirilmedi.
%2</translation>
    </message>
    <message>
        <source>%1 changes nothing.</source>
        <translation>%1 hiçbir şeyi değiştirmiyor.</translation>
    </message>
    <message>
        <source>Importing %1 makes these %2 changes:</source>
        <translation>%1 içe aktarıldığında şu %2 değişiklik yapılır:</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;İçe aktar</translation>
    </message>
    <message>
        <source>The import</source>
        <translation>İçe aktarma</translation>
    </message>
    <message>
        <source>Apply Order from Reference File</source>
        <translation>Başvuru dosyasındaki sırayı uygula</translation>
    </message>
    <message>
        <source>Reference Lists (*.dat *.csv);;All Files (*.*)</source>
        <translation>Başvuru listeleri (*.dat *.csv);;Tüm dosyalar (*.*)</translation>
    </message>
    <message>
        <source>The reference list could not be read; nothing was changed.
%1</source>
        <translation>Başvuru listesi okunamadı; hiçbir şey değiştirilmedi.
%1</translation>
    </message>
    <message>
        <source>Matched channels take the order of %1; unmatched ones follow in their current order.</source>
        <translation>Eşleşen kanallar %1 içindeki sırayı alır; eşleşmeyenler mevcut sıralarıyla arkadan gelir.</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Uygula</translation>
    </message>
    <message>
        <source>Also take the reference&apos;s &amp;favourite groups</source>
        <translation>Başvurunun &amp;favori gruplarını da al</translation>
    </message>
    <message>
        <source>Applying the order</source>
        <translation>Sıra uygulanıyor</translation>
    </message>
    <message>
        <source>No duplicate channels were found.</source>
        <translation>Yinelenen kanal bulunamadı.</translation>
    </message>
    <message>
        <source>Find Duplicate Channels</source>
        <translation>Yinelenen kanalları bul</translation>
    </message>
    <message>
        <source>%1 sets of channels are the same channel. Removing keeps the one in [ ] (a favourite, else the lowest number) of each set.</source>
        <translation>%1 kanal kümesi aynı kanaldır. Kaldırma işlemi her kümede [ ] içindekini (bir favori, yoksa en küçük numara) korur.</translation>
    </message>
    <message>
        <source>&amp;Remove Duplicates</source>
        <translation>Yinelenenleri &amp;kaldır</translation>
    </message>
    <message>
        <source>Remove %1 channels with their favourite, schedule and scramble rows?</source>
        <translation>%1 kanal favori, zamanlama ve şifreleme satırlarıyla birlikte kaldırılsın mı?</translation>
    </message>
    <message>
        <source>Removing the duplicates</source>
        <translation>Yinelenenler kaldırılıyor</translation>
    </message>
    <message>
        <source>Import channels from CSV</source>
        <translation>Kanalları CSV&apos;den içe aktar</translation>
    </message>
    <message>
        <source>Apply order from reference file</source>
        <translation>Başvuru dosyasındaki sırayı uygula</translation>
    </message>
    <message>
        <source>Remove duplicate channels</source>
        <translation>Yinelenen kanalları kaldır</translation>
    </message>
</context>
<context>
    <name>CloseCommand</name>
    <message>
        <source>No Title</source>
        <translation>Başlıksız</translation>
    </message>
</context>
<context>
    <name>DbProblems</name>
    <message>
        <source>not enough memory</source>
        <translation>yetersiz bellek</translation>
    </message>
    <message>
        <source>The list could not be read from the DB: %1.</source>
        <translation>Liste DB&apos;den okunamadı: %1.</translation>
    </message>
    <message>
        <source>This row holds a value that the receiver&apos;s format does not allow (%1). It is left unchanged.</source>
        <translation>Bu satır, alıcının biçiminin izin vermediği bir değer içeriyor (%1). Değiştirilmeden bırakıldı.</translation>
    </message>
</context>
<context>
    <name>DialogFields</name>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>%1 must be a whole number from %2 to %3.</source>
        <translation>%1, %2 ile %3 arasında bir tam sayı olmalıdır.</translation>
    </message>
    <message>
        <source>%1 must be a number.</source>
        <translation>%1 bir sayı olmalıdır.</translation>
    </message>
    <message>
        <source>Enter the data in all fields!</source>
        <translation>Tüm alanları doldurun!</translation>
    </message>
    <message>
        <source>Fill the data to the every fields!</source>
        <translation>Tüm alanları doldurun!</translation>
    </message>
</context>
<context>
    <name>EditChannelDlg</name>
    <message>
        <source>No channel number below 20000 is free.
The channel is not added.</source>
        <translation>20000&apos;in altında boş kanal numarası yok.
Kanal eklenmedi.</translation>
    </message>
    <message>
        <source>The provider could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Sağlayıcı DB&apos;ye kaydedilemedi.
Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>The channel could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Kanal DB&apos;ye kaydedilemedi.
Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Edit Channel</source>
        <translation>Kanalı Düzenle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>N&amp;IT Info</source>
        <translation>N&amp;IT Bilgisi</translation>
    </message>
    <message>
        <source>SAT Name :</source>
        <translation>Uydu Adı :</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servis</translation>
    </message>
    <message>
        <source>CH &amp;Name :</source>
        <translation>Kanal &amp;Adı :</translation>
    </message>
    <message>
        <source>CH No :</source>
        <translation>Kanal No :</translation>
    </message>
    <message>
        <source>Service I&amp;D :</source>
        <translation>Servis K&amp;imliği :</translation>
    </message>
    <message>
        <source>&amp;Provider :</source>
        <translation>&amp;Sağlayıcı :</translation>
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
        <translation>Servis Kimliği</translation>
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
        <translation>Bayrak</translation>
    </message>
    <message>
        <source>&amp;Locked(L)</source>
        <translation>&amp;Kilitli(L)</translation>
    </message>
    <message>
        <source>&amp;Scrambled(S)</source>
        <translation>&amp;Şifreli(S)</translation>
    </message>
    <message>
        <source>&amp;Hide(H)</source>
        <translation>&amp;Gizli(H)</translation>
    </message>
    <message>
        <source>&amp;TV</source>
        <translation>&amp;TV</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>&amp;Radyo</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>Add</source>
        <translation>Ekle</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ekle</translation>
    </message>
    <message>
        <source>Edit	Space</source>
        <translation>Düzenle	Space</translation>
    </message>
    <message>
        <source>&amp;Edit	Space</source>
        <translation>&amp;Düzenle	Space</translation>
    </message>
    <message>
        <source>Delete	Del</source>
        <translation>Sil	Del</translation>
    </message>
    <message>
        <source>&amp;Delete	Del</source>
        <translation>&amp;Sil	Del</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Yeniden numaralandır</translation>
    </message>
</context>
<context>
    <name>EditLnbDlg</name>
    <message>
        <source>Edit LNB</source>
        <translation>LNB&apos;yi Düzenle</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>YOK</translation>
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
        <translation>KAPALI</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AÇIK</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>OTOMATİK</translation>
    </message>
    <message>
        <source>Local Freq</source>
        <translation>LO Frekansı</translation>
    </message>
    <message>
        <source>Satellite :</source>
        <translation>Uydu :</translation>
    </message>
    <message>
        <source>LNB Type :</source>
        <translation>LNB Tipi :</translation>
    </message>
    <message>
        <source>Local Freq :</source>
        <translation>LO Frekansı :</translation>
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
        <translation>TP Frekansı :</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>%1 ile %2 arasında bir tam sayı girin.</translation>
    </message>
</context>
<context>
    <name>EditNitDlg</name>
    <message>
        <source>The TP could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Transponder DB&apos;ye kaydedilemedi.
Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Edit NIT</source>
        <translation>NIT&apos;i Düzenle</translation>
    </message>
    <message>
        <source>TP information</source>
        <translation>Transponder bilgisi</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Dikey</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Yatay</translation>
    </message>
    <message>
        <source>Freq [MHz]</source>
        <translation>Frek. [MHz]</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Sembol Oranı</translation>
    </message>
    <message>
        <source>Freq [MHz] :</source>
        <translation>Frek. [MHz] :</translation>
    </message>
    <message>
        <source>Symbolrate :</source>
        <translation>Sembol Oranı :</translation>
    </message>
    <message>
        <source>Polarity :</source>
        <translation>Polarizasyon :</translation>
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
        <translation>Geçersiz boylam aralığı.</translation>
    </message>
    <message>
        <source>The satellite could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Uydu DB&apos;ye kaydedilemedi.
Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Edit Sattelite</source>
        <translation>Uyduyu Düzenle</translation>
    </message>
    <message>
        <source>EAST</source>
        <translation>DOĞU</translation>
    </message>
    <message>
        <source>WEST</source>
        <translation>BATI</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Name :</source>
        <translation>Ad :</translation>
    </message>
    <message>
        <source>Position :</source>
        <translation>Konum :</translation>
    </message>
</context>
<context>
    <name>EmptyHint</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;No DB is open.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Open the receiver&apos;s DB file with File &amp;gt; Open (Ctrl+O), or fetch it from the receiver with File &amp;gt; USB Upload.&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Açık bir DB yok.&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Alıcının DB dosyasını Dosya &amp;gt; Aç (Ctrl+O) ile açın veya Dosya &amp;gt; USB Yükleme ile alıcıdan alın.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;p&gt;Recent files:</source>
        <translation>&lt;p&gt;Son dosyalar:</translation>
    </message>
</context>
<context>
    <name>FavGrpView</name>
    <message>
        <source>Favorites</source>
        <translation>Favoriler</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite group from DB?</source>
        <translation>Bu favori grubunu DB&apos;den kaldırmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Add favourite group</source>
        <translation>Favori grubu ekle</translation>
    </message>
    <message>
        <source>Rename favourite group</source>
        <translation>Favori grubunu yeniden adlandır</translation>
    </message>
    <message>
        <source>Delete favourite group</source>
        <translation>Favori grubunu sil</translation>
    </message>
    <message>
        <source>Move favourite group</source>
        <translation>Favori grubunu taşı</translation>
    </message>
</context>
<context>
    <name>FavListView</name>
    <message>
        <source>Service</source>
        <translation>Servis</translation>
    </message>
    <message>
        <source>Do you want to remove from favorite list?</source>
        <translation>Favori listesinden kaldırmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Do you want to remove this favorite list from DB?</source>
        <translation>Bu favori listesini DB&apos;den kaldırmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>Unvalid data is selected</source>
        <translation>Geçersiz veri seçildi</translation>
    </message>
    <message>
        <source>The entries could not be removed from the DB.
Nothing has been removed.</source>
        <translation>Kayıtlar DB&apos;den kaldırılamadı.
Hiçbir şey kaldırılmadı.</translation>
    </message>
    <message>
        <source>Remove favourite entries</source>
        <translation>Favori girdilerini kaldır</translation>
    </message>
    <message>
        <source>Move favourite entry</source>
        <translation>Favori girdisini taşı</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>DB Edit Files (*.dat);;All Files (*)</source>
        <translation>DB dosyaları (*.dat);;Tüm dosyalar (*)</translation>
    </message>
</context>
<context>
    <name>FolderPicker</name>
    <message>
        <source>Selecte the folder to save file.</source>
        <translation>Dosyanın kaydedileceği klasörü seçin.</translation>
    </message>
</context>
<context>
    <name>LNBView</name>
    <message>
        <source>Seperated</source>
        <translation>Ayrı</translation>
    </message>
    <message>
        <source>Loop Thru</source>
        <translation>Loop Thru (döngü)</translation>
    </message>
    <message>
        <source>Connection :</source>
        <translation>Bağlantı :</translation>
    </message>
    <message>
        <source>LNB Setting</source>
        <translation>LNB Ayarı</translation>
    </message>
    <message>
        <source>Tuner1</source>
        <translation>Tuner 1</translation>
    </message>
    <message>
        <source>Tuner2</source>
        <translation>Tuner 2</translation>
    </message>
    <message>
        <source>SAVE</source>
        <translation>KAYDET</translation>
    </message>
    <message>
        <source>Switch Type :</source>
        <translation>Anahtar Tipi :</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bir tam sayı girin.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>%1 ile %2 arasında bir tam sayı girin.</translation>
    </message>
    <message>
        <source>Do you want to remove this item from DB?</source>
        <translation>Bu öğeyi DB&apos;den kaldırmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>The LNB settings could not be saved; the stored ones are kept.</source>
        <translation>LNB ayarları kaydedilemedi; kayıtlı ayarlar korunuyor.</translation>
    </message>
    <message>
        <source>Save LNB settings</source>
        <translation>LNB ayarlarını kaydet</translation>
    </message>
</context>
<context>
    <name>LangTab</name>
    <message>
        <source>Select Languge</source>
        <translation>Dil Seçin</translation>
    </message>
    <message>
        <source>Menu Language </source>
        <translation>Menü Dili </translation>
    </message>
    <message>
        <source>Audio Language </source>
        <translation>Ses Dili </translation>
    </message>
    <message>
        <source>Subtitle Language :</source>
        <translation>Altyazı Dili :</translation>
    </message>
</context>
<context>
    <name>LayoutMemory</name>
    <message>
        <source>Reset Layout</source>
        <translation>Düzeni Sıfırla</translation>
    </message>
</context>
<context>
    <name>ListColumns</name>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Service</source>
        <translation>Servis</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tip</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Uydu</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frekans</translation>
    </message>
    <message>
        <source>Symbolrate</source>
        <translation>Sembol Oranı</translation>
    </message>
    <message>
        <source>Pol</source>
        <translation>Pol</translation>
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
        <translation>Bayrak</translation>
    </message>
    <message>
        <source>Provider</source>
        <translation>Sağlayıcı</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Symbol Rate</source>
        <translation>Sembol Oranı</translation>
    </message>
    <message>
        <source>Polarity</source>
        <translation>Polarizasyon</translation>
    </message>
    <message>
        <source>FEC</source>
        <translation>FEC</translation>
    </message>
    <message>
        <source>LNB Type</source>
        <translation>LNB Tipi</translation>
    </message>
    <message>
        <source>Local Freq</source>
        <translation>LO Frekansı</translation>
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
        <translation>Kanal listesi</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Favori grubu: %1</translation>
    </message>
</context>
<context>
    <name>LockTab</name>
    <message>
        <source>Maturity Control </source>
        <translation>Ebeveyn Kontrolü </translation>
    </message>
    <message>
        <source>Lock Items</source>
        <translation>Kilitli Öğeler</translation>
    </message>
    <message>
        <source>System Lock</source>
        <translation>Sistem Kilidi</translation>
    </message>
    <message>
        <source>Channel Lock</source>
        <translation>Kanal Kilidi</translation>
    </message>
    <message>
        <source>Hide Channel</source>
        <translation>Kanalı Gizle</translation>
    </message>
</context>
<context>
    <name>MainFrame</name>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Araçlar</translation>
    </message>
    <message>
        <source>&amp;Setting</source>
        <translation>A&amp;yarlar</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>&amp;Biçim</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;İçe aktar</translation>
    </message>
    <message>
        <source>From SatcoDX</source>
        <translation>SatcoDX&apos;ten</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Dışa aktar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Yardım</translation>
    </message>
    <message>
        <source>&amp;About Orvane</source>
        <translation>Orvane &amp;Hakkında</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>Program bilgisini, sürüm numarasını ve telif hakkını göster</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Dil</translation>
    </message>
    <message>
        <source>&amp;English</source>
        <translation>&amp;English</translation>
    </message>
    <message>
        <source>The interface changes to %1 when Orvane starts again.</source>
        <translation>Arayüz, Orvane yeniden başlatıldığında %1 diline geçer.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Dosya</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Yeni</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Create a new document</source>
        <translation>Yeni bir belge oluştur</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Aç</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Open an existing document</source>
        <translation>Var olan bir belgeyi aç</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Kaydet</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Save the active document</source>
        <translation>Etkin belgeyi kaydet</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>&amp;Farklı Kaydet...</translation>
    </message>
    <message>
        <source>USB &amp;Upload</source>
        <translation>USB &amp;Yükleme</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Yükleme</translation>
    </message>
    <message>
        <source>Transfer DB file from Settop</source>
        <translation>DB dosyasını alıcıdan aktar</translation>
    </message>
    <message>
        <source>USB &amp;Download</source>
        <translation>USB &amp;İndirme</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>İndirme</translation>
    </message>
    <message>
        <source>Transfer DB file to Settop</source>
        <translation>DB dosyasını alıcıya aktar</translation>
    </message>
    <message>
        <source>Restore Receiver &amp;Backup...</source>
        <translation>Alıcı &amp;Yedeğini Geri Yükle...</translation>
    </message>
    <message>
        <source>Recent File</source>
        <translation>Son Dosya</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Çı&amp;kış</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Dü&amp;zen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Görünüm</translation>
    </message>
    <message>
        <source>&amp;Channel Edit</source>
        <translation>&amp;Kanal Düzenleme</translation>
    </message>
    <message>
        <source>&amp;NIT Edit</source>
        <translation>&amp;NIT Düzenleme</translation>
    </message>
    <message>
        <source>&amp;LNB Edit</source>
        <translation>&amp;LNB Düzenleme</translation>
    </message>
    <message>
        <source>Next &amp;Pane</source>
        <translation>Sonraki &amp;Bölme</translation>
    </message>
    <message>
        <source>P&amp;revious Pane</source>
        <translation>Ö&amp;nceki Bölme</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Bul...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Sonrakini Bul</translation>
    </message>
    <message>
        <source>Find &amp;Previous</source>
        <translation>Ö&amp;ncekini Bul</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standart</translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Yeniden numaralandır</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Hazır</translation>
    </message>
    <message>
        <source>Error in load view</source>
        <translation>Görünüm yüklenirken hata</translation>
    </message>
</context>
<context>
    <name>MenuBar</name>
    <message>
        <source>Channel Edit</source>
        <translation>Kanallar</translation>
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
        <translation>Ayarlar</translation>
    </message>
</context>
<context>
    <name>NITView</name>
    <message>
        <source>Do you want to delete this item from DB?</source>
        <translation>Bu öğeyi DB&apos;den silmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>Delete process is failed</source>
        <translation>Silme işlemi başarısız oldu</translation>
    </message>
    <message>
        <source>Click the satellite of the new TP in the left list first.</source>
        <translation>Önce soldaki listede yeni transponderin uydusuna tıklayın.</translation>
    </message>
    <message>
        <source>Add satellite</source>
        <translation>Uydu ekle</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <translation>%1 uydusunu düzenle</translation>
    </message>
    <message>
        <source>Add transponder</source>
        <translation>Transponder ekle</translation>
    </message>
    <message>
        <source>Edit transponder</source>
        <translation>Transponderi düzenle</translation>
    </message>
    <message>
        <source>Delete satellites</source>
        <translation>Uyduları sil</translation>
    </message>
    <message>
        <source>Delete transponders</source>
        <translation>Transponderleri sil</translation>
    </message>
    <message>
        <source>Move satellites</source>
        <translation>Uyduları taşı</translation>
    </message>
</context>
<context>
    <name>OrvaneDoc</name>
    <message>
        <source>Untitled</source>
        <translation>Adsız</translation>
    </message>
    <message>
        <source>%1 is %2, not a DB file, so it is not opened.</source>
        <translation>%1 bir %2, DB dosyası değil; bu yüzden açılmadı.</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 bulunamadı.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before opening it here.</source>
        <translation>%1 başka bir pencerede açık. Burada açmadan önce orada kapatın.</translation>
    </message>
    <message>
        <source>%1 is not opened: %2 is a link or a file of another user where the editor keeps its own file. Remove it and open the file again.</source>
        <translation>%1 açılmadı: %2, düzenleyicinin kendi dosyasını tuttuğu yerde bir bağlantı veya başka bir kullanıcının dosyası. Onu kaldırıp dosyayı yeniden açın.</translation>
    </message>
    <message>
        <source>%1 cannot be read the way SQLite reads it, so it is not opened.
%2</source>
        <translation>%1, SQLite&apos;ın okuduğu şekilde okunamıyor; bu yüzden açılmadı.
%2</translation>
    </message>
    <message>
        <source>The working copy %1 could not be made, so the file is not opened.
%2</source>
        <translation>Çalışma kopyası %1 oluşturulamadı; bu yüzden dosya açılmadı.
%2</translation>
    </message>
    <message>
        <source>File open failed reading DB</source>
        <translation>DB okunurken dosya açılamadı</translation>
    </message>
    <message>
        <source>Invalid DB Version file. It must use %1</source>
        <translation>Geçersiz DB sürümü. %1 kullanmalıdır</translation>
    </message>
    <message>
        <source>The DB does not have the receiver&apos;s table layout, so it is not opened.
%1</source>
        <translation>DB, alıcının tablo düzenine sahip değil; bu yüzden açılmadı.
%1</translation>
    </message>
    <message>
        <source>Failed to open document.</source>
        <translation>Belge açılamadı.</translation>
    </message>
    <message>
        <source>Do you want to save the changed DB contents?</source>
        <translation>Değişen DB içeriğini kaydetmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>%1 was changed by another program since you opened it. Replace it with your version?
Choose No to keep it and use Save As instead.</source>
        <translation>%1, siz açtıktan sonra başka bir program tarafından değiştirildi. Sizin sürümünüzle değiştirilsin mi?
Onu korumak için Hayır&apos;ı seçin ve bunun yerine Farklı Kaydet&apos;i kullanın.</translation>
    </message>
    <message>
        <source>Another window has %1 open. Close it there before saving over it.</source>
        <translation>%1 başka bir pencerede açık. Üzerine kaydetmeden önce orada kapatın.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2 is a link or a file of another user where the editor keeps its own file; remove it first.</source>
        <translation>DB %1 konumuna kaydedilemedi.
%2, düzenleyicinin kendi dosyasını tuttuğu yerde bir bağlantı veya başka bir kullanıcının dosyası; önce onu kaldırın.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
It is the working copy itself; please choose another name.</source>
        <translation>DB %1 konumuna kaydedilemedi.
Bu, çalışma kopyasının kendisi; lütfen başka bir ad seçin.</translation>
    </message>
    <message>
        <source>The DB is in the middle of a change and was not saved. Please try again.</source>
        <translation>DB bir değişikliğin ortasında ve kaydedilmedi. Lütfen yeniden deneyin.</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
The last changes could not be gathered from %2-wal, another program may be reading it (%3).</source>
        <translation>DB %1 konumuna kaydedilemedi.
Son değişiklikler %2-wal dosyasından alınamadı; başka bir program onu okuyor olabilir (%3).</translation>
    </message>
    <message>
        <source>The DB could not be saved to %1.
%2</source>
        <translation>DB %1 konumuna kaydedilemedi.
%2</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>%1 is read-only, so the DB cannot be saved there. Please choose another name.</source>
        <translation>%1 salt okunur; bu yüzden DB oraya kaydedilemez. Lütfen başka bir ad seçin.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Farklı Kaydet</translation>
    </message>
</context>
<context>
    <name>OrvaneView</name>
    <message>
        <source>exceed valid number!</source>
        <translation>Geçersiz numara!</translation>
    </message>
    <message>
        <source>Do you want to delete this channel from DB?</source>
        <translation>Bu kanalı DB&apos;den silmek istiyor musunuz?</translation>
    </message>
    <message>
        <source>You already insert same channel!</source>
        <translation>Bu kanal zaten eklenmiş!</translation>
    </message>
    <message>
        <source>You already insert &quot;%1&quot; channel!</source>
        <translation>“%1” kanalı zaten eklenmiş!</translation>
    </message>
    <message>
        <source>Error! Your job is canceled.</source>
        <translation>Hata! İşleminiz iptal edildi.</translation>
    </message>
    <message>
        <source>The channels could not be deleted from the DB.
Nothing has been deleted.</source>
        <translation>Kanallar DB&apos;den silinemedi.
Hiçbir şey silinmedi.</translation>
    </message>
    <message>
        <source>The list does not show the channels stored in the DB.
Reopen the file and renumber again.</source>
        <translation>Liste, DB&apos;de kayıtlı kanalları göstermiyor.
Dosyayı yeniden açıp tekrar numaralandırın.</translation>
    </message>
    <message>
        <source>The new numbers could not be stored in the DB.
Nothing has been changed.</source>
        <translation>Yeni numaralar DB&apos;ye kaydedilemedi.
Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>Renumber and reordering by dragging are off while a filter hides channels: the order of the hidden channels must not change unseen.</source>
        <translation>Bir filtre kanalları gizlerken yeniden numaralandırma ve sürükleyerek sıralama kapalıdır: gizli kanalların sırası fark edilmeden değişmemelidir.</translation>
    </message>
    <message>
        <source>Filter on: %1 of %2 channels shown. %3</source>
        <translation>Filtre açık: %2 kanaldan %1 tanesi gösteriliyor. %3</translation>
    </message>
    <message>
        <source>Add channel</source>
        <translation>Kanal ekle</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>%1 kanalını düzenle</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n channel(s)</source>
        <translation>
            <numerusform>%n kanalı sil</numerusform>
        </translation>
    </message>
    <message>
        <source>Renumber</source>
        <translation>Yeniden numaralandır</translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to a favourite group</source>
        <translation>
            <numerusform>Bir favori grubuna %n kanal ekle</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Add %n channel(s) to the favourite list</source>
        <translation>
            <numerusform>Favori listesine %n kanal ekle</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PageLayout</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Sayfa %1 / %2</translation>
    </message>
    <message>
        <source>%1: cannot be written: %2</source>
        <translation>%1: yazılamıyor: %2</translation>
    </message>
    <message>
        <source>the PDF could not be painted</source>
        <translation>PDF çizilemedi</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 kanal</translation>
    </message>
    <message>
        <source>%1 of %2 channels</source>
        <translation>%2 kanaldan %1 tanesi</translation>
    </message>
</context>
<context>
    <name>PendingEdits</name>
    <message>
        <source>The changes on this page have not been saved with &quot;SAVE&quot; yet.
Do you want to save them now?</source>
        <translation>Bu sayfadaki değişiklikler henüz “KAYDET” ile kaydedilmedi.
Şimdi kaydetmek istiyor musunuz?</translation>
    </message>
</context>
<context>
    <name>ReplaceNamesDlg</name>
    <message>
        <source>&amp;Ignore case</source>
        <translation>Büyük/küçük harfi &amp;yok say</translation>
    </message>
    <message>
        <source>Replace in Names</source>
        <translation>Adlarda değiştir</translation>
    </message>
    <message>
        <source>Old name</source>
        <translation>Eski ad</translation>
    </message>
    <message>
        <source>New name</source>
        <translation>Yeni ad</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>&amp;Bul:</translation>
    </message>
    <message>
        <source>&amp;Replace with:</source>
        <translation>&amp;Yerine:</translation>
    </message>
    <message>
        <source>over %1 bytes</source>
        <translation>%1 bayttan uzun</translation>
    </message>
    <message>
        <source>%1 new names are longer than %2 bytes.</source>
        <translation>%1 yeni ad %2 bayttan uzun.</translation>
    </message>
    <message>
        <source>%1 names change.</source>
        <translation>%1 ad değişiyor.</translation>
    </message>
</context>
<context>
    <name>RestoreBackupDlg</name>
    <message>
        <source>Restore Receiver Backup</source>
        <translation>Alıcı Yedeğini Geri Yükle</translation>
    </message>
    <message>
        <source>Backups of the receiver&apos;s list in %1:</source>
        <translation>%1 içindeki alıcı listesi yedekleri:</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanallar</translation>
    </message>
    <message>
        <source> bytes</source>
        <translation> bayt</translation>
    </message>
    <message>
        <source>Send(&amp;S)</source>
        <translation>Gönder(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>İptal(&amp;C)</translation>
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
        <translation>KAPALI</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>AÇIK</translation>
    </message>
    <message>
        <source>AUTO</source>
        <translation>OTOMATİK</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Yatay</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Dikey</translation>
    </message>
    <message>
        <source>No data</source>
        <translation>Veri yok</translation>
    </message>
</context>
<context>
    <name>SelectNitDlg</name>
    <message>
        <source>Select TP Information in the list.</source>
        <translation>Listeden transponder bilgisini seçin.</translation>
    </message>
    <message>
        <source>Select NIT</source>
        <translation>NIT Seçin</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>&amp;Satellites</source>
        <translation>&amp;Uydular</translation>
    </message>
    <message>
        <source>&amp;TP List</source>
        <translation>&amp;TP Listesi</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <source>The receiver&apos;s settings could not be read from the DB:
%1</source>
        <translation>Alıcının ayarları DB&apos;den okunamadı:
%1</translation>
    </message>
    <message>
        <source>The settings could not be stored in the DB:
%1
Nothing has been changed.</source>
        <translation>Ayarlar DB&apos;ye kaydedilemedi:
%1
Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>The default settings could not be copied in the DB:
%1
Nothing has been changed.</source>
        <translation>Varsayılan ayarlar DB&apos;ye kopyalanamadı:
%1
Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>This file has no default settings.
Nothing has been changed.</source>
        <translation>Bu dosyada varsayılan ayar yok.
Hiçbir şey değiştirilmedi.</translation>
    </message>
    <message>
        <source>The stored settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
They are left unchanged.</source>
        <translation>Kayıtlı ayarlar, alıcının biçiminin izin vermediği bir değer içeriyor (%1 = %2).
Değiştirilmeden bırakıldı.</translation>
    </message>
    <message>
        <source>The default settings hold a value that the receiver&apos;s format does not allow (%1 = %2).
The settings are left unchanged.</source>
        <translation>Varsayılan ayarlar, alıcının biçiminin izin vermediği bir değer içeriyor (%1 = %2).
Ayarlar değiştirilmeden bırakıldı.</translation>
    </message>
    <message>
        <source>Main Menu Setting</source>
        <translation>Ana Menü Ayarı</translation>
    </message>
    <message>
        <source>User&apos;s Setting</source>
        <translation>Kullanıcı Ayarı</translation>
    </message>
    <message>
        <source>Lock Control</source>
        <translation>Kilit Denetimi</translation>
    </message>
    <message>
        <source>Language </source>
        <translation>Dil </translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Tamam</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Varsayılan</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;İptal</translation>
    </message>
    <message>
        <source>Receiver settings</source>
        <translation>Alıcı ayarları</translation>
    </message>
</context>
<context>
    <name>SettingPage</name>
    <message>
        <source>English</source>
        <translation>İngilizce</translation>
    </message>
    <message>
        <source>Russian</source>
        <translation>Rusça</translation>
    </message>
    <message>
        <source>French</source>
        <translation>Fransızca</translation>
    </message>
    <message>
        <source>Italian</source>
        <translation>İtalyanca</translation>
    </message>
    <message>
        <source>Dutch</source>
        <translation>Felemenkçe</translation>
    </message>
    <message>
        <source>German</source>
        <translation>Almanca</translation>
    </message>
    <message>
        <source>Danish</source>
        <translation>Danca</translation>
    </message>
    <message>
        <source>Arabic</source>
        <translation>Arapça</translation>
    </message>
    <message>
        <source>Greek</source>
        <translation>Yunanca</translation>
    </message>
    <message>
        <source>Turkish</source>
        <translation>Türkçe</translation>
    </message>
    <message>
        <source>Spanish</source>
        <translation>İspanyolca</translation>
    </message>
    <message>
        <source>Swedish</source>
        <translation>İsveççe</translation>
    </message>
    <message>
        <source>Norwegian</source>
        <translation>Norveççe</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Kapalı</translation>
    </message>
    <message>
        <source>5 Years</source>
        <translation>5 Yaş</translation>
    </message>
    <message>
        <source>8 Years</source>
        <translation>8 Yaş</translation>
    </message>
    <message>
        <source>10 Years</source>
        <translation>10 Yaş</translation>
    </message>
    <message>
        <source>13 Years</source>
        <translation>13 Yaş</translation>
    </message>
    <message>
        <source>15 Years</source>
        <translation>15 Yaş</translation>
    </message>
    <message>
        <source>18 Years</source>
        <translation>18 Yaş</translation>
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
        <translation>2 saniye</translation>
    </message>
    <message>
        <source>3 seconds</source>
        <translation>3 saniye</translation>
    </message>
    <message>
        <source>4 seconds</source>
        <translation>4 saniye</translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation>5 saniye</translation>
    </message>
    <message>
        <source>6 seconds</source>
        <translation>6 saniye</translation>
    </message>
    <message>
        <source>7 seconds</source>
        <translation>7 saniye</translation>
    </message>
    <message>
        <source>8 seconds</source>
        <translation>8 saniye</translation>
    </message>
    <message>
        <source>9 seconds</source>
        <translation>9 saniye</translation>
    </message>
    <message>
        <source>10 seconds</source>
        <translation>10 saniye</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Basit</translation>
    </message>
</context>
<context>
    <name>StatusCounts</name>
    <message>
        <source>Channels in the file, of them TV and radio, and the entries of the current favourite group</source>
        <translation>Dosyadaki kanallar, bunların TV ve radyo olanları ve geçerli favori grubunun kayıtları</translation>
    </message>
    <message>
        <source>Channels: %1   TV: %2   Radio: %3</source>
        <translation>Kanal: %1   TV: %2   Radyo: %3</translation>
    </message>
</context>
<context>
    <name>TransferDlg</name>
    <message>
        <source>Start(&amp;S)</source>
        <translation>Başlat(&amp;S)</translation>
    </message>
    <message>
        <source>Cancel(&amp;C)</source>
        <translation>İptal(&amp;C)</translation>
    </message>
    <message>
        <source>Stop the transfer after the current chunk?</source>
        <translation>Aktarım geçerli bloktan sonra durdurulsun mu?</translation>
    </message>
</context>
<context>
    <name>TransferRuns</name>
    <message>
        <source>File Opened failed!</source>
        <translation>Dosya açılamadı!</translation>
    </message>
    <message>
        <source>The download was stopped after %1 of %2 bytes.</source>
        <translation>İndirme %2 bayttan %1 bayt sonra durduruldu.</translation>
    </message>
    <message>
        <source>Reading the file failed! The DB file was not sent completely.</source>
        <translation>Dosya okunamadı! DB dosyası tamamen gönderilmedi.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE03 failed!</source>
        <translation>PIPE03 üzerinden veri aktarımı isteği başarısız oldu!</translation>
    </message>
    <message>
        <source>Writing PIPE03 failed!</source>
        <translation>PIPE03&apos;e yazma başarısız oldu!</translation>
    </message>
    <message>
        <source>The upload was stopped after %1 of %2 bytes.</source>
        <translation>Yükleme %2 bayttan %1 bayt sonra durduruldu.</translation>
    </message>
    <message>
        <source>Requesting data transfer on PIPE02 failed!</source>
        <translation>PIPE02 üzerinden veri aktarımı isteği başarısız oldu!</translation>
    </message>
    <message>
        <source>Reading PIPE02 failed!</source>
        <translation>PIPE02&apos;den okuma başarısız oldu!</translation>
    </message>
    <message>
        <source>Writing %1 failed!</source>
        <translation>%1 yazılamadı!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE03.</source>
        <translation>Sürücü açılamadı! PIPE03&apos;e yazılamıyor.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE03.</source>
        <translation>Aygıt açılamadı! PIPE03&apos;e yazılamıyor.</translation>
    </message>
    <message>
        <source>The path %1 is too long; it must be shorter than %2 bytes.</source>
        <translation>%1 yolu çok uzun; %2 bayttan kısa olmalıdır.</translation>
    </message>
    <message>
        <source>Can&apos;t open file.</source>
        <translation>Dosya açılamıyor.</translation>
    </message>
    <message>
        <source>Can not get file size from STB!</source>
        <translation>Dosya boyutu alıcıdan alınamadı!</translation>
    </message>
    <message>
        <source>Open driver failed! Can&apos;t write to PIPE02.</source>
        <translation>Sürücü açılamadı! PIPE02&apos;ye yazılamıyor.</translation>
    </message>
    <message>
        <source>Open device handle failed! Can&apos;t write to PIPE02.</source>
        <translation>Aygıt açılamadı! PIPE02&apos;ye yazılamıyor.</translation>
    </message>
    <message>
        <source>The DB file was not received completely: %1 of %2 bytes arrived. They are kept in %3, which is not opened.</source>
        <translation>DB dosyası tamamen alınamadı: %2 bayttan %1 bayt geldi. Bunlar açılmayan %3 dosyasında tutuluyor.</translation>
    </message>
    <message>
        <source>%1 cannot be written.</source>
        <translation>%1 yazılamıyor.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Check that it is on and connected, then press Start again.</source>
        <translation>Hiçbir şey gönderilmedi; alıcı listesini koruyor. Açık ve bağlı olduğunu denetleyin, ardından yeniden Başlat&apos;a basın.</translation>
    </message>
    <message>
        <source>Nothing was sent. Make the folder writable, or clear &quot;Back up the receiver&apos;s list first&quot; to send without a backup.</source>
        <translation>Hiçbir şey gönderilmedi. Klasörü yazılabilir yapın veya yedeksiz göndermek için “Önce alıcının listesini yedekle” seçeneğini kaldırın.</translation>
    </message>
    <message>
        <source>The backup of the receiver&apos;s list failed. </source>
        <translation>Alıcının listesinin yedeği alınamadı. </translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup (File &gt; Restore Receiver Backup...) or this file again.</source>
        <translation>Alıcı eksik bir liste tutuyor olabilir. Yedeği (Dosya &gt; Alıcı Yedeğini Geri Yükle...) veya bu dosyayı yeniden gönderin.</translation>
    </message>
    <message>
        <source>Nothing was sent; the receiver keeps its list. Press Start to try again.</source>
        <translation>Hiçbir şey gönderilmedi; alıcı listesini koruyor. Yeniden denemek için Başlat&apos;a basın.</translation>
    </message>
    <message>
        <source>The file was sent but not read back. Fetch the receiver&apos;s list with USB Upload to check it.</source>
        <translation>Dosya gönderildi ancak geri okunmadı. Denetlemek için alıcının listesini USB Yükleme ile alın.</translation>
    </message>
    <message>
        <source>not read back</source>
        <translation>geri okunmadı</translation>
    </message>
    <message>
        <source>The receiver&apos;s list is not what was sent: %1.</source>
        <translation>Alıcının listesi gönderilen değil: %1.</translation>
    </message>
    <message>
        <source>Send the file again; if the difference stays, the receiver changes the list itself.</source>
        <translation>Dosyayı yeniden gönderin; fark sürerse listeyi alıcının kendisi değiştiriyordur.</translation>
    </message>
    <message>
        <source>Sent %1 bytes in %2 s</source>
        <translation>%1 bayt %2 sn içinde gönderildi</translation>
    </message>
    <message>
        <source>; read back: </source>
        <translation>; geri okuma: </translation>
    </message>
</context>
<context>
    <name>TransferSteps</name>
    <message>
        <source>USB is not connected. Try again!</source>
        <translation>USB bağlı değil. Yeniden deneyin!</translation>
    </message>
</context>
<context>
    <name>UndoCommands</name>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Geri al: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Geri al</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Yinele: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Yinele</translation>
    </message>
    <message>
        <source>&quot;%1 %2&quot; could not be done: the DB is busy or cannot be written (SQLite error %3).
The DB is as it was.</source>
        <translation>“%1 %2” yapılamadı: DB meşgul veya yazılamıyor (SQLite hatası %3).
DB olduğu gibi kaldı.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Geri al</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Yinele</translation>
    </message>
</context>
<context>
    <name>UsbDownloadDlg</name>
    <message>
        <source>USB Download</source>
        <translation>USB İndirme</translation>
    </message>
    <message>
        <source>Download from file(&amp;D)</source>
        <translation>Dosyadan indir(&amp;D)</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>Yerel dosya</translation>
    </message>
    <message>
        <source>File(&amp;F)</source>
        <translation>Dosya(&amp;F)</translation>
    </message>
    <message>
        <source>Back up the receiver&apos;s list first</source>
        <translation>Önce alıcının listesini yedekle</translation>
    </message>
    <message>
        <source>Read the list back and compare</source>
        <translation>Listeyi geri oku ve karşılaştır</translation>
    </message>
    <message>
        <source>Download Progress</source>
        <translation>İndirme İlerlemesi</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>DB File(*.dat);;All Files(*.*)</source>
        <translation>DB Dosyası(*.dat);;Tüm dosyalar(*.*)</translation>
    </message>
    <message>
        <source>Please open or select your DB file first.</source>
        <translation>Lütfen önce DB dosyanızı açın veya seçin.</translation>
    </message>
    <message>
        <source>If you download this DB file, then the existing DB in the STB will be deleted. is deleted. Are you sure to continue?</source>
        <translation>Bu DB dosyasını indirirseniz alıcıdaki mevcut DB silinecek. Devam etmek istediğinizden emin misiniz?</translation>
    </message>
    <message>
        <source>File Opened failed!</source>
        <translation>Dosya açılamadı!</translation>
    </message>
    <message>
        <source>The file %1 is not sent: %2.
Repair it (orvane-cli check names every problem) or choose another file.</source>
        <translation>%1 dosyası gönderilmedi: %2.
Onu onarın (orvane-cli check her sorunu belirtir) veya başka bir dosya seçin.</translation>
    </message>
    <message>
        <source>The receiver may hold an incomplete list. Send the backup of its list taken before this download (%1)?</source>
        <translation>Alıcı eksik bir liste tutuyor olabilir. Bu indirmeden önce alınan liste yedeği (%1) gönderilsin mi?</translation>
    </message>
</context>
<context>
    <name>UsbUploadDlg</name>
    <message>
        <source>USB Upload</source>
        <translation>USB Yükleme</translation>
    </message>
    <message>
        <source>Local directory</source>
        <translation>Yerel klasör</translation>
    </message>
    <message>
        <source>Browse(&amp;B)</source>
        <translation>Gözat(&amp;B)</translation>
    </message>
    <message>
        <source>Open Upload DB file(&amp;O)</source>
        <translation>Yüklenen DB dosyasını aç(&amp;O)</translation>
    </message>
    <message>
        <source>Upload Progress</source>
        <translation>Yükleme İlerlemesi</translation>
    </message>
    <message>
        <source>Can not return a path for the selected item!</source>
        <translation>Seçilen öğe için bir yol alınamıyor!</translation>
    </message>
    <message>
        <source>Error Message</source>
        <translation>Hata İletisi</translation>
    </message>
    <message>
        <source>Please select the folder first.</source>
        <translation>Lütfen önce klasörü seçin.</translation>
    </message>
    <message>
        <source>%1 is not a folder. Please select a folder.</source>
        <translation>%1 bir klasör değil. Lütfen bir klasör seçin.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist. Do you want to create it?</source>
        <translation>%1 klasörü yok. Oluşturmak istiyor musunuz?</translation>
    </message>
    <message>
        <source>The folder %1 could not be created.</source>
        <translation>%1 klasörü oluşturulamadı.</translation>
    </message>
</context>
<context>
    <name>UserTab</name>
    <message>
        <source>Aspect Ratio </source>
        <translation>En Boy Oranı </translation>
    </message>
    <message>
        <source>Banner Time Out (Seconds)</source>
        <translation>Bilgi Çubuğu Süresi (Saniye)</translation>
    </message>
    <message>
        <source>Banner Type</source>
        <translation>Bilgi Çubuğu Tipi</translation>
    </message>
    <message>
        <source>Subtitle </source>
        <translation>Altyazı </translation>
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
        <translation>Yazdır</translation>
    </message>
    <message>
        <source>Channel list as shown</source>
        <translation>Gösterildiği gibi kanal listesi</translation>
    </message>
    <message>
        <source>Favourite group: %1</source>
        <translation>Favori grubu: %1</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>Tablo</translation>
    </message>
    <message>
        <source>Channel Card (number and name, large type)</source>
        <translation>Kanal Kartı (numara ve ad, büyük yazı)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Dikey</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Yatay</translation>
    </message>
    <message>
        <source>&amp;Print:</source>
        <translation>&amp;Yazdır:</translation>
    </message>
    <message>
        <source>&amp;Layout:</source>
        <translation>&amp;Düzen:</translation>
    </message>
    <message>
        <source>&amp;Orientation:</source>
        <translation>&amp;Yön:</translation>
    </message>
</context>
<context>
    <name>print::CPrintPreviewDlg</name>
    <message>
        <source>Print Preview</source>
        <translation>Baskı Önizleme</translation>
    </message>
    <message>
        <source>&amp;Previous Page</source>
        <translation>Ö&amp;nceki Sayfa</translation>
    </message>
    <message>
        <source>&amp;Next Page</source>
        <translation>S&amp;onraki Sayfa</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Yazdır…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Kapat</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Sayfa %1 / %2</translation>
    </message>
</context>
</TS>
