<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;ตกลง</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;บันทึก</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;ยกเลิก</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>ปิ&amp;ด</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>ปิดโดยไม่บันทึก</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>บันทึก</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>บันทึกทั้งหมด</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>ใ&amp;ช่</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>ใช่&amp;ทั้งหมด</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>ไ&amp;ม่</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>ไม่ทั้งหม&amp;ด</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>ยุติ</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>ลองใหม่</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>ละเว้น</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ยกเลิก</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>ละทิ้ง</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>วิธีใช้</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>นำไปใช้</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>ตั้งค่าใหม่</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>คืนค่าเริ่มต้น</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick กำลังทำงานอยู่แต่ไม่ได้รับไฟล์: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>ชุดงานหยุดแล้ว: โฟลเดอร์เอาต์พุตรับไฟล์เพิ่มไม่ได้อีก</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>เหลือ 1 ไฟล์ในคิว</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>เหลือ %n ไฟล์ในคิว</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>บันทึก: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>โปรดเพิ่มไฟล์</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>เพิ่ม</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>หยุดแล้ว</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>เสร็จแล้ว</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>แปลงไม่ได้ 1 ไฟล์:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>แปลงไม่ได้ %n ไฟล์:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>ยังไม่ได้เลือกรูปแบบเอาต์พุต</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>ตัวเข้ารหัสไม่ได้แสดงผลใดๆ</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>หยุดแล้ว</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>ตัวเข้ารหัสหยุดทำงานโดยไม่คาดคิด</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>ภาพเป็น Dolby Vision โปรไฟล์ %1 ซึ่งมีเพียงเครื่องเล่น Dolby Vision ที่แสดงสีได้ถูกต้อง; เหมือนต้นฉบับ (คัดลอก) จะคงไว้ตามเดิม</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>ใช้โฟลเดอร์ชั่วคราว %1 เก็บบันทึกของรอบแรกไม่ได้</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>ได้ขนาด %1 จากเป้าหมาย %2: ภาพไม่ต้องการมากกว่านี้</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>เข้ารหัสใหม่ที่ %1 kb/s: ที่ %2 kb/s ได้ขนาด %3 เกินเป้าหมาย %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>เข้ารหัสใหม่ที่ %1 kb/s: ที่ %2 kb/s ได้ขนาด %3 ต่ำกว่าเป้าหมาย %4 มาก</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>ได้ขนาด %1 เกินเป้าหมาย %2 ไม่ว่าจะเข้ารหัสอย่างไร</translation>
    </message>
</context>
<context>
    <name>tarnwick::Destinations</name>
    <message>
        <source>Discord (10 MB)</source>
        <translation>Discord (10 MB)</translation>
    </message>
    <message>
        <source>E-mail (25 MB)</source>
        <translation>อีเมล (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 เป็นลิงก์ไปยัง %2 ซึ่งไม่มีอยู่</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 ไม่ใช่โปรแกรม</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 ไม่มีอยู่</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick แปลงไฟล์ด้วย FFmpeg ซึ่งยังไม่ได้ติดตั้ง โปรดติดตั้ง (บน Debian และ Ubuntu: apt install ffmpeg) แล้วลิงก์ตัวเข้ารหัสไปยัง FFmpeg:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick แปลงไฟล์ด้วย FFmpeg ซึ่งติดตั้งไว้เป็น %1 โปรดลิงก์ตัวเข้ารหัสไปยัง FFmpeg:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>ไม่มีตัวเข้ารหัส จึงแปลงอะไรไม่ได้</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>ปลายทาง</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>ไฟล์จะไปที่ใด: รูปแบบและขนาดไฟล์ใหญ่สุดที่ปลายทางนั้นรับได้</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>ไม่มี</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>วางวิดีโอที่นี่ หรือคลิกเพื่อเริ่ม
อ่านแผ่น DVD หรือ Blu-ray ด้วยปุ่ม “อ่าน DVD” ด้านบน</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>เลือกไดรฟ์ DVD:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>อ่าน DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>รายการไฟล์:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>เพิ่มไฟล์</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>เพิ่มไฟล์จากโฟลเดอร์</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>เอาไฟล์ที่เลือกออกจากรายการ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>วิธีใช้</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>เอาไฟล์ทั้งหมดออก</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>รูปแบบเอาต์พุต:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>รูปแบบเอาต์พุต</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>คุณภาพวิดีโอ (อัตราบิต kbps):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>อัตราบิตวิดีโอ</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>โฟลเดอร์เอาต์พุต:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>เลือกโฟลเดอร์สำหรับเอาต์พุต</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>เลือกโฟลเดอร์เอาต์พุต</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>คำติชม</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>ส่งคำแนะนำหรือคำถามถึงเรา</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>คำสั่งทั้งหมด</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>เพิ่มไฟล์ใหม่ลงในรายการไฟล์</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>เอาไฟล์ออกจากรายการไฟล์</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>เริ่มแปลง</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>วิธีใช้และบทช่วยสอน</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>ออก</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>ย่อหน้าต่าง</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>ลากไฟล์สื่อมาวางที่พื้นที่นี้</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>หมุน:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>การตั้งค่าการหมุน</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>ไฟล์ %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, เหลือ %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>อัตราบิตวิดีโอเป็นกิโลบิตต่อวินาที</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>หน้าผลิตภัณฑ์</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>เลือกโฟลเดอร์เอาต์พุต</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>คำสั่งทั้งหมด</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>ความคืบหน้าของไฟล์ปัจจุบัน</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>แปลงเลย!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>เลือกโฟลเดอร์:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>นาทีต้องน้อยกว่า 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>นาที</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>วินาทีต้องน้อยกว่า 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>วินาที</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>สร้างโฟลเดอร์เอาต์พุตไม่ได้:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>เขียนลงโฟลเดอร์เอาต์พุตไม่ได้:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (วิดีโอ MPEG4 คุณภาพสูง)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (วิดีโอ H264)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (วิดีโอ MPEG4 มาตรฐาน)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (วิดีโอ Apple/QuickTime)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (วิดีโอ Flash)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (วิดีโอ MPEG1)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (วิดีโอ H.265/HEVC)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (วิดีโอ AV1)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (วิดีโอ AV1)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (วิดีโอ VP9)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (วิดีโอ H.264)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>เหมือนต้นฉบับ (คัดลอก)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>ควอนไทเซอร์</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>บรรทัดคำสั่งว่างเปล่า</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe ล้มเหลว ข้อผิดพลาด: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>ไม่พบไฟล์หรือคำสั่ง</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>ชื่อไฟล์</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>รูปแบบ</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>คุณภาพคงที่</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>คุณภาพเท่าเดิมไม่ว่าขนาดเท่าใด: ใช้ระดับคุณภาพของรูปแบบแทนอัตราบิต</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>ขนาดเป้าหมาย...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>ขนาดสูงสุดของทั้งไฟล์ รวมเสียง; ไฟล์จะไม่เกินขนาดนี้และใกล้เคียงที่สุด</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>ขนาดเป้าหมาย: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>ขนาดเป้าหมาย (ทั้งไฟล์):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>ขนาดเป้าหมาย ตั้งค่าในเมนู</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>คุณภาพคงที่: ตัวเลขยิ่งต่ำ ภาพยิ่งดีและใช้พื้นที่มากขึ้น</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>ขนาดเป้าหมาย</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>ขนาดสูงสุดที่ทั้งไฟล์ใช้ได้ รวมเสียง เป็นเมกะไบต์ตามที่ตัวจัดการไฟล์นับ (1 MB = 1,000,000 ไบต์) หรือมี K หรือ G ต่อท้ายตัวเลข: 25M, 700MB, 4G
เว้นว่าง: ไม่มีเป้าหมาย กลับไปใช้อัตราบิตหรือคุณภาพ</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>“%1” ไม่ใช่ขนาด ให้พิมพ์จำนวนเมกะไบต์ หรือตัวเลขที่มี K, M หรือ G ต่อท้าย: 25M, 700MB, 4G</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>คุณภาพวิดีโอ (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>หมุนตามเข็มนาฬิกา 90°</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>หมุนทวนเข็มนาฬิกา 90°</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>พลิกแนวตั้ง</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>พลิกแนวนอน</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>หมุน 180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>ไม่หมุน</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>ชุดงานล่าสุดถูกขัดจังหวะโดยยังเหลือ 1 ไฟล์ ต้องการเพิ่มเข้าคิวอีกครั้งหรือไม่</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>ชุดงานล่าสุดถูกขัดจังหวะโดยยังเหลือ %n ไฟล์ ต้องการเพิ่มเข้าคิวอีกครั้งหรือไม่</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>ไม่ทราบความยาว จึงกำหนดขนาดเป้าหมายไม่ได้</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 น้อยกว่าที่เสียงอย่างเดียวต้องใช้ ขนาดเล็กที่สุดที่ใช้ได้คือ %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 เหลือไม่พอสำหรับภาพที่น่าดู ขนาดเล็กที่สุดที่ใช้ได้คือ %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>กำลังแปลงวิดีโอ</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>ไม่รู้จักระดับความดัง “%1”: เลือก ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off หรือค่า LUFS ตั้งแต่ -40 ถึง -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>วางไฟล์วิดีโอที่นี่</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>กำลังค้นหา...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>คิวเต็มแล้ว: รับได้สูงสุด %1 ไฟล์ ไม่ได้เพิ่ม 1 ไฟล์</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>คิวเต็มแล้ว: รับได้สูงสุด %1 ไฟล์ ไม่ได้เพิ่ม %n ไฟล์</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>ไม่ได้เพิ่ม 1 ไฟล์: ชื่อไฟล์ไม่ใช่ UTF-8 ที่ถูกต้อง</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>ไม่ได้เพิ่ม %n ไฟล์: ชื่อไฟล์ไม่ใช่ UTF-8 ที่ถูกต้อง</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>เปิดไฟล์</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>ทุกรูปแบบ</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>โปรดเลือกไดรฟ์ DVD</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>ลากวิดีโอมาที่นี่</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>เปิดไฟล์</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>ช่วงเวลาสิ้นสุดที่ %1 ซึ่งไม่ได้อยู่หลังจุดเริ่มต้นที่ %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>ช่วงเวลาเริ่มที่ %1 แต่วิดีโอยาวเพียง %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>จุดเริ่มต้น “%1” ไม่ใช่เวลา ให้พิมพ์วินาที, m:ss หรือ h:mm:ss เช่น 90, 1:30 หรือ 1:02:03.5</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>จุดสิ้นสุด “%1” ไม่ใช่เวลา ให้พิมพ์วินาที, m:ss หรือ h:mm:ss เช่น 90, 1:30 หรือ 1:02:03.5</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>จุดสิ้นสุดต้องอยู่หลังจุดเริ่มต้น</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 ถึง %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>ตั้งแต่ %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>จนถึง %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>ช่วงเวลา</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>จุดเริ่มต้น</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>จุดสิ้นสุด</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>วินาที, m:ss หรือ h:mm:ss เช่น 90, 1:30 หรือ 1:02:03.5 เว้นเวลาว่างไว้เพื่อใช้จุดเริ่มต้นหรือจุดสิ้นสุด</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>เริ่ม:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>สิ้นสุด:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>วิธีใช้: tarnwick-cli [ตัวเลือก] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>แปลงไฟล์วิดีโอด้วยตัวเข้ารหัส FFmpeg: หนึ่งไฟล์ต่อหนึ่ง SOURCE หรือทุกไฟล์
ที่พบจากการค้นหาในโฟลเดอร์ (ไฟล์ของโฟลเดอร์นั้นเอง และไฟล์ไตเติล VOB และ M2TS
ในโฟลเดอร์ย่อยด้านล่าง ไม่ติดตามลิงก์ที่ชี้ไปยังโฟลเดอร์)</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>ไฟล์เอาต์พุตมีชื่อเป็น &lt;ชื่อต้นฉบับ&gt;_&lt;ชั่วโมง&gt;&lt;นาที&gt;&lt;วินาที&gt;.&lt;นามสกุล&gt; ชื่อที่
มีอยู่แล้วจะได้ _2, _3, ... ไม่มีสิ่งใดในโฟลเดอร์เอาต์พุตถูกเขียนทับ และเอาต์พุต
ที่ทำไม่เสร็จจะถูกลบออก</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>สถานะการออก: 0 แปลงทั้งหมดแล้ว, 1 ล้มเหลวอย่างน้อยหนึ่งไฟล์, 2 ใช้งานผิดวิธี,
3 ไม่มีตัวเข้ารหัส (ไม่พบ FFmpeg ที่ลิงก์ไว้เป็น data/conv.exe ในโฟลเดอร์
โปรแกรม), 130 หยุดด้วย Ctrl+C หรือสัญญาณสิ้นสุดการทำงาน</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>ระบุ --%1 มากกว่าหนึ่งครั้ง</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>ไม่รู้จักรูปแบบ “%1” (ใช้ได้: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>อัตราบิตต้องเป็นจำนวนเต็มกิโลบิตต่อวินาที (1 ถึง 1000000): “%1”</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>ไม่รู้จักการหมุน “%1” (ใช้ได้: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output ต้องระบุโฟลเดอร์</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs รับตัวเลข 1 ถึง 256 หรือ “auto”: “%1”</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate ใช้กับ copy ไม่ได้ เพราะ copy ไม่เข้ารหัสใหม่</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate ใช้กับ copy ไม่ได้ เพราะ copy ไม่เข้ารหัสใหม่</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>ไม่ได้ระบุ SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>แปลงแล้ว %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>ล้มเหลว %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>แปลงแล้ว %1, ล้มเหลว %2%3, ใช้เวลา %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, หยุดแล้ว</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  ไฟล์ %3/%4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 กำลังทำงาน)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  เหลือ %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>ดูข้อมูลเพิ่มเติมด้วย “tarnwick-cli --help”</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>ไม่มีอะไรให้แปลง</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (ค่าเริ่มต้น)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr ใช้กับ copy ไม่ได้ เพราะ copy ไม่เข้ารหัสใหม่</translation>
    </message>
    <message>
        <source>Instead of a bitrate:
  -q, --quality N        constant quality on the format&apos;s own scale: the CRF
                         of H.264, H.265, AV1 and VP9, the quantiser of
                         MPEG-4, MPEG-1 and WMV; lower is better (see
                         --list-formats for each scale and its default)
      --size SIZE        the whole file, sound included, at most SIZE and
                         close to it: 25M, 700MB, 4G, in decimal units as
                         file managers count (1M = 1,000,000 bytes; MiB and
                         GiB are binary); two passes where the encoder
                         takes them</source>
        <translation>แทนอัตราบิต:
  -q, --quality N        คุณภาพคงที่ตามสเกลของรูปแบบเอง: CRF ของ H.264, H.265, AV1
                         และ VP9 ควอนไทเซอร์ของ MPEG-4, MPEG-1 และ WMV
                         ยิ่งต่ำยิ่งดี (ดูสเกลและค่าเริ่มต้นของแต่ละรูปแบบได้ที่
                         --list-formats)
      --size SIZE        ทั้งไฟล์ รวมเสียง ไม่เกิน SIZE และใกล้เคียงที่สุด: 25M,
                         700MB, 4G เป็นหน่วยฐานสิบตามที่ตัวจัดการไฟล์นับ
                         (1M = 1,000,000 ไบต์ ส่วน MiB และ GiB เป็นฐานสอง)
                         เข้ารหัสสองรอบเมื่อตัวเข้ารหัสรองรับ</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>ส่วนหนึ่งของแต่ละต้นฉบับ ตามเวลา T เป็นวินาที, m:ss หรือ h:mm:ss มีทศนิยมได้
(90, 1:30, 1:02:03.5):
      --start T          ตั้งแต่ T; copy เริ่มที่คีย์เฟรมที่ T หรือก่อนหน้า
      --end T            จนถึง T; จุดสิ้นสุดที่เลยความยาวต้นฉบับ จะใช้จุดจบของต้นฉบับ</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality และ --size ต่างกำหนดคุณภาพของภาพ: ระบุเพียงอย่างเดียว</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>คุณภาพของ %1 ต้องเป็นจำนวนเต็มตั้งแต่ %2 (ดีที่สุด) ถึง %3: “%4”</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>ขนาดต้องเป็นจำนวนเมกะไบต์ หรือมี K, M หรือ G ต่อท้าย (25M, 700MB, 4G): “%1”</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 รับเวลาเป็นวินาที, m:ss หรือ h:mm:ss (เช่น 90, 1:30 หรือ 1:02:03.5): “%2”</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) ต้องอยู่หลัง --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end ต้องอยู่หลังจุดเริ่มต้น: “%1”</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality ใช้กับ copy ไม่ได้ เพราะ copy ไม่เข้ารหัสใหม่</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size ใช้กับ copy ไม่ได้ เพราะ copy ไม่เข้ารหัสใหม่</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>คุณภาพ %1, %2 (ดีที่สุด) ถึง %3</translation>
    </message>
    <message>
        <source>Options:
  -f, --format NAME      the output format, one of:
%1
  -b, --bitrate KBITS    video bitrate in kilobits per second
                         (default: the format&apos;s own, see --list-formats)
  -r, --rotate NAME      none (default), cw, ccw, vflip, hflip, 180
  -o, --output DIR       output folder, created if missing (default ./output)
      --web              made for the web: MP4 and MOV files get their index
                         at the front, so a browser plays them as they arrive
      --sdr              HDR to SDR: HDR sources become SDR in every format;
                         without it H.265, AV1 and VP9 keep HDR in 10 bits
      --crop             crop the black bars the pictures agree on
      --loudness TARGET  every file&apos;s sound at one loudness, true peaks
                         under -1 dBTP: ebu (-23 LUFS), stream (-14),
                         podcast (-16), or a number of LUFS, -40 to -5
  -j, --jobs N           N conversions at once; &quot;auto&quot; for one per core
      --disc DIR         queue a DVD&apos;s VIDEO_TS or a Blu-ray&apos;s BDMV/STREAM
                         title files below DIR (repeatable)
  -n, --dry-run          print each file&apos;s commands, convert nothing
      --json             one JSON event per line on standard output
      --list-formats     print the formats with their default bitrates
  -h, --help             this text
  -v, --version          the program&apos;s version</source>
        <translation>ตัวเลือก:
  -f, --format NAME      รูปแบบเอาต์พุต หนึ่งใน:
%1
  -b, --bitrate KBITS    อัตราบิตวิดีโอเป็นกิโลบิตต่อวินาที
                         (ค่าเริ่มต้น: ค่าของรูปแบบนั้นเอง ดู --list-formats)
  -r, --rotate NAME      none (ค่าเริ่มต้น), cw, ccw, vflip, hflip, 180
  -o, --output DIR       โฟลเดอร์เอาต์พุต สร้างให้หากยังไม่มี (ค่าเริ่มต้น ./output)
      --web              สำหรับเว็บ: ไฟล์ MP4 และ MOV จะมีดัชนีอยู่ด้านหน้า
                         เบราว์เซอร์จึงเล่นได้ขณะกำลังโหลด
      --sdr              HDR เป็น SDR: ต้นฉบับ HDR จะเป็น SDR ในทุกรูปแบบ
                         หากไม่ระบุ H.265, AV1 และ VP9 จะคง HDR แบบ 10 บิต
      --crop             ตัดแถบดำที่ทุกภาพมีตรงกัน
      --loudness TARGET  เสียงของทุกไฟล์ดังเท่ากัน พีคจริงต่ำกว่า -1 dBTP:
                         ebu (-23 LUFS), stream (-14), podcast (-16)
                         หรือค่า LUFS ตั้งแต่ -40 ถึง -5
  -j, --jobs N           แปลงพร้อมกัน N รายการ; “auto” คือหนึ่งรายการต่อหนึ่งคอร์
      --disc DIR         เพิ่มไฟล์ไตเติลใน VIDEO_TS ของ DVD หรือใน BDMV/STREAM
                         ของ Blu-ray ภายใต้ DIR เข้าคิว (ระบุซ้ำได้)
  -n, --dry-run          แสดงคำสั่งของแต่ละไฟล์ โดยไม่แปลงอะไร
      --json             เหตุการณ์ JSON บรรทัดละหนึ่งรายการทางเอาต์พุตมาตรฐาน
      --list-formats     แสดงรูปแบบต่างๆ พร้อมอัตราบิตเริ่มต้น
  -h, --help             ข้อความนี้
  -v, --version          รุ่นของโปรแกรม</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop ใช้กับ copy ไม่ได้ เพราะ copy ไม่เข้ารหัสใหม่</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>ไม่รู้จักปลายทาง “%1” สำหรับ --for (ใช้ได้: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 เลือกรูปแบบและขนาดเอง: ไม่ต้องระบุ %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>แทนการระบุรูปแบบและขนาด ให้ระบุว่าไฟล์จะไปที่ใด:
      --for NAME         รูปแบบและขนาดไฟล์สูงสุดของปลายทางนั้น หนึ่งใน:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, ไม่เกิน %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, ดัชนีอยู่ด้านหน้า</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>หยุด</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>ไม่มีโปรแกรมบนเดสก์ท็อปนี้ที่เปิดวิธีใช้ได้ วิธีใช้อยู่ที่:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>ไม่มีโปรแกรมบนเดสก์ท็อปนี้ที่เปิดบทช่วยสอนได้ บทช่วยสอนอยู่ที่:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>ไม่มีโปรแกรมบนเดสก์ท็อปนี้ที่เปิดหน้าผลิตภัณฑ์ได้ ที่อยู่ของหน้าคือ:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>ไม่มีโปรแกรมอีเมลบนเดสก์ท็อปนี้ ที่อยู่คือ:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>เพิ่มไฟล์</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>เพิ่มโฟลเดอร์</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>เอาออก</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>เอาออกทั้งหมด</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>อ่าน DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>เริ่ม</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>การตั้งค่า...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>วิธีใช้</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>บทช่วยสอน</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>หน้าผลิตภัณฑ์</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>ส่งคำติชม</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>เปิดโฟลเดอร์บันทึก</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>ไม่มีโปรแกรมบนเดสก์ท็อปนี้ที่เปิดโฟลเดอร์บันทึกได้ โฟลเดอร์อยู่ที่:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>ออก</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>หมุน</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>สำหรับเว็บ</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>ไฟล์ MP4 และ MOV ที่มีดัชนีอยู่ด้านหน้า เพื่อให้เบราว์เซอร์เล่นได้ขณะกำลังโหลด</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>จำนวนการแปลงพร้อมกัน</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>อัตโนมัติ</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>แปลงแล้ว 1 ไฟล์</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>แปลงแล้ว %n ไฟล์</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation> </translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, ล้มเหลว %1 ไฟล์</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>หยุดชุดงานแล้ว</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>ชุดงานเสร็จแล้ว</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR เป็น SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>วิดีโอ HDR จะกลายเป็นวิดีโอ SDR ทั่วไปในทุกรูปแบบ รวมถึง H.265, AV1 และ VP9 ซึ่งปกติจะคง HDR ไว้</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>ช่วงเวลา...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>ความดังเท่ากัน</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>ออกอากาศ, EBU R128 (-23 LUFS)</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>พอดแคสต์ (-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>สตรีมมิง (-14 LUFS)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>เอาต์พุต</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>ตัดแถบดำ</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>ตัดแต่ละภาพให้เหลือเฉพาะส่วนที่อยู่ภายในแถบดำด้านบนล่างหรือด้านข้าง</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>การตั้งค่า</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>เสียงเตือนเมื่อเสร็จ</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>เปิด</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ปิด</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>ย้อนกลับ</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>ตัดเพลง</translation>
    </message>
</context>
</TS>
