<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Lưu</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Hủy</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Đón&amp;g</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>Đóng mà không lưu</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Lưu</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>Lưu tất cả</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Mở</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Có</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>Có với &amp;tất cả</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Không</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>Không &amp;với tất cả</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Hủy bỏ</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Thử lại</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Bỏ qua</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Đóng</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Loại bỏ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Áp dụng</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Đặt lại</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Khôi phục mặc định</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick đang chạy nhưng không nhận các tệp: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>Đã dừng xử lý hàng loạt: thư mục đầu ra không nhận thêm tệp nào nữa.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>Còn 1 tệp trong hàng đợi.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>Còn %n tệp trong hàng đợi.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>nhật ký: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>Vui lòng thêm một tệp.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Thêm</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>Đã dừng.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>Xong.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>Không thể chuyển đổi 1 tệp:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>Không thể chuyển đổi %n tệp:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>Chưa chọn định dạng đầu ra</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>bộ mã hóa không in ra gì</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>đã dừng</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>Bộ mã hóa đã dừng đột ngột.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>hình ảnh là Dolby Vision cấu hình %1, chỉ trình phát Dolby Vision mới hiển thị đúng màu; Giống nguồn (sao chép) giữ nguyên như cũ</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>không thể dùng thư mục tạm %1 cho nhật ký của lượt đầu tiên</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>kết quả là %1 so với mục tiêu %2: hình ảnh không cần thêm</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>đã mã hóa lại ở %1 kb/s: ở %2 kb/s kết quả là %3, vượt mục tiêu %4</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>đã mã hóa lại ở %1 kb/s: ở %2 kb/s kết quả là %3, thấp hơn nhiều so với mục tiêu %4</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>kết quả là %1, vượt mục tiêu %2, dù mã hóa thế nào</translation>
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
        <translation>E-mail (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1 là liên kết tới %2, nhưng đích này không tồn tại.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1 không phải là chương trình.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1 không tồn tại.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick chuyển đổi bằng FFmpeg, nhưng FFmpeg chưa được cài đặt. Hãy cài đặt FFmpeg (trên Debian và Ubuntu: apt install ffmpeg), rồi liên kết bộ mã hóa tới nó:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick chuyển đổi bằng FFmpeg, đã được cài đặt tại %1. Hãy liên kết bộ mã hóa tới nó:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>Thiếu bộ mã hóa nên không thể chuyển đổi gì.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>Dành cho</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>Nơi tệp được gửi đến: định dạng và tệp lớn nhất mà nơi đó nhận</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>Không</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>Thả video vào đây hoặc nhấp để bắt đầu.
Đọc đĩa DVD hoặc Blu-ray bằng nút “Đọc DVD” ở trên.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>Ổ đĩa DVD:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>Đọc DVD</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>Danh sách tệp:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Thêm tệp</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>Thêm tệp từ thư mục</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>Xóa tệp đã chọn khỏi danh sách</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>Xóa tất cả tệp</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>Định dạng đầu ra:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>Định dạng đầu ra</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>Chất lượng video (tốc độ bit, kbps):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>Tốc độ bit video</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>Thư mục đầu ra:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>Chọn thư mục để xuất</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>Chọn thư mục đầu ra</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Phản hồi</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>Gửi đề xuất hoặc câu hỏi cho chúng tôi</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>Tất cả lệnh</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>Thêm tệp mới vào danh sách tệp</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>Xóa tệp khỏi danh sách tệp</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>Bắt đầu chuyển đổi</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>Trợ giúp và hướng dẫn</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>Thu nhỏ cửa sổ</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>Kéo tệp đa phương tiện vào vùng thả này</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>Xoay:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>Cài đặt xoay</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>tệp %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, còn %1</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>Tốc độ bit video tính bằng kilobit mỗi giây</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>Trang sản phẩm</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>Chọn thư mục đầu ra</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>Tất cả lệnh</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>Tiến trình của tệp hiện tại</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>Chuyển đổi ngay!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>Chọn một thư mục:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>Số phút phải nhỏ hơn 60</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>Phút</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>Số giây phải nhỏ hơn 60</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>Giây</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>Không thể tạo thư mục đầu ra:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>Không thể ghi vào thư mục đầu ra:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4 (video MPEG4 chất lượng cao)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4 (video H264)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI (video MPEG4 tiêu chuẩn)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV (video Apple/QuickTime)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV (video Flash)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV (Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG (video MPEG1)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4 (video H.265/HEVC)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4 (video AV1)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM (video AV1)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM (video VP9)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV (video H.264)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>Giống nguồn (sao chép)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>hệ số lượng tử</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>Dòng lệnh trống</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe thất bại. Lỗi: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>Không tìm thấy tệp hoặc lệnh</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>Tên tệp</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Định dạng</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>Chất lượng không đổi</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>Cùng chất lượng bất kể kích thước: dùng các mức chất lượng của định dạng thay cho tốc độ bit</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>Kích thước đích...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>Kích thước tối đa của cả tệp, gồm cả âm thanh; kết quả không vượt quá và gần với mức đó</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>Kích thước đích: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>Kích thước đích (cả tệp):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>Kích thước đích, đặt trong menu</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>Chất lượng không đổi: số càng thấp hình càng đẹp và càng tốn dung lượng</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>Kích thước đích</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>Dung lượng tối đa cả tệp được chiếm, gồm cả âm thanh, tính bằng megabyte như trình quản lý tệp đếm (1 MB = 1.000.000 byte), hoặc thêm K hay G sau số: 25M, 700MB, 4G.
Để trống: không có đích, dùng lại tốc độ bit hoặc chất lượng.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>“%1” không phải là kích thước. Hãy nhập số megabyte, hoặc một số có K, M hay G phía sau: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>Chất lượng video (%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>Xoay 90° theo chiều kim đồng hồ</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>Xoay 90° ngược chiều kim đồng hồ</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>Lật dọc</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>Lật ngang</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>Xoay 180°</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Không xoay</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>Lần xử lý hàng loạt trước bị gián đoạn, còn lại 1 tệp. Thêm lại tệp này vào hàng đợi?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>Lần xử lý hàng loạt trước bị gián đoạn, còn lại %n tệp. Thêm lại các tệp này vào hàng đợi?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>không biết độ dài nên không thể nhắm tới kích thước nào</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1 ít hơn mức riêng âm thanh đã cần; kích thước nhỏ nhất dùng được là %2</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1 còn quá ít cho hình ảnh đáng xem; kích thước nhỏ nhất dùng được là %2</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>Đang chuyển đổi video</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>độ to không xác định “%1”: hãy chọn ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off hoặc một số LUFS từ -40 đến -5</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>Thả tệp video vào đây</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Đang tìm...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>Hàng đợi đã đầy: chứa tối đa %1 tệp. 1 tệp chưa được thêm.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>Hàng đợi đã đầy: chứa tối đa %1 tệp. %n tệp chưa được thêm.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>1 tệp chưa được thêm: tên tệp không phải UTF-8 hợp lệ.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>%n tệp chưa được thêm: tên tệp không phải UTF-8 hợp lệ.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>Mở các tệp</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>Mọi định dạng</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>Vui lòng chọn ổ đĩa DVD</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>Kéo video vào đây</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Mở tệp</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>khoảng thời gian kết thúc ở %1, không nằm sau điểm bắt đầu ở %2</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>khoảng thời gian bắt đầu ở %1, nhưng video chỉ dài %2</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Điểm bắt đầu “%1” không phải là thời gian. Hãy nhập số giây, m:ss hoặc h:mm:ss, ví dụ 90, 1:30 hoặc 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>Điểm kết thúc “%1” không phải là thời gian. Hãy nhập số giây, m:ss hoặc h:mm:ss, ví dụ 90, 1:30 hoặc 1:02:03.5.</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>Điểm kết thúc phải sau điểm bắt đầu.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1 đến %2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>từ %1</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>đến %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>Khoảng thời gian</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>từ đầu</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>đến cuối</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>Số giây, m:ss hoặc h:mm:ss, ví dụ 90, 1:30 hoặc 1:02:03.5. Để trống một thời điểm để dùng đầu hoặc cuối video.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>Bắt đầu:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>Kết thúc:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>Cách dùng: tarnwick-cli [tùy chọn] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>Chuyển đổi tệp video bằng bộ mã hóa FFmpeg: mỗi SOURCE một tệp, hoặc mọi tệp
tìm thấy khi tìm trong thư mục (các tệp của chính thư mục đó, và các tệp
tiêu đề VOB và M2TS trong các thư mục bên dưới; không đi theo liên kết tới
thư mục).</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>Tệp đầu ra được đặt tên &lt;tên nguồn&gt;_&lt;giờ&gt;&lt;phút&gt;&lt;giây&gt;.&lt;phần mở rộng&gt;;
tên đã có sẽ được thêm _2, _3, ... Không có gì trong thư mục đầu ra bị ghi đè,
và tệp đầu ra chưa hoàn tất sẽ bị xóa.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>Trạng thái thoát: 0 đã chuyển đổi tất cả, 1 có tệp thất bại, 2 dùng sai cách,
3 không có bộ mã hóa (thiếu FFmpeg, được liên kết thành data/conv.exe trong
thư mục chương trình), 130 bị dừng bởi Ctrl+C hoặc tín hiệu kết thúc.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1 được chỉ định nhiều lần</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>định dạng không xác định “%1” (một trong: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>tốc độ bit phải là số nguyên kilobit mỗi giây (1 đến 1000000): “%1”</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>kiểu xoay không xác định “%1” (một trong: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output cần một thư mục</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs nhận một số từ 1 đến 256 hoặc “auto”: “%1”</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate không áp dụng cho copy, vốn không mã hóa lại gì</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate không áp dụng cho copy, vốn không mã hóa lại gì</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>chưa chỉ định SOURCE</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>đã chuyển đổi %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>thất bại %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>%1 đã chuyển đổi, %2 thất bại%3 trong %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, đã dừng</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  tệp %3/%4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1 đang chạy)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  còn %1</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>Chạy “tarnwick-cli --help” để biết thêm.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>không có gì để chuyển đổi</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1 (mặc định)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr không áp dụng cho copy, vốn không mã hóa lại gì</translation>
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
        <translation>Thay cho tốc độ bit:
  -q, --quality N        chất lượng không đổi theo thang riêng của định dạng:
                         CRF của H.264, H.265, AV1 và VP9, hệ số lượng tử của
                         MPEG-4, MPEG-1 và WMV; thấp hơn là tốt hơn (xem
                         --list-formats để biết thang và giá trị mặc định của
                         từng định dạng)
      --size SIZE        cả tệp, gồm cả âm thanh, tối đa SIZE và gần mức đó:
                         25M, 700MB, 4G, theo đơn vị thập phân như
                         trình quản lý tệp đếm (1M = 1.000.000 byte; MiB và GiB
                         là nhị phân); mã hóa hai lượt khi bộ mã hóa hỗ trợ</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>Một phần của mỗi nguồn, theo thời điểm T tính bằng giây, m:ss hoặc h:mm:ss,
có thể kèm phần thập phân (90, 1:30, 1:02:03.5):
      --start T          từ T; copy bắt đầu ở khung hình khóa tại hoặc trước T
      --end T            đến T; điểm cuối vượt quá cuối nguồn được tính là
                         cuối nguồn</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality và --size đều quy định chất lượng hình: chỉ chọn một trong số đó</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>chất lượng cho %1 phải là số nguyên từ %2 (tốt nhất) đến %3: “%4”</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>kích thước phải là số megabyte, hoặc có K, M hay G phía sau (25M, 700MB, 4G): “%1”</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1 nhận thời gian tính bằng giây, m:ss hoặc h:mm:ss (ví dụ 90, 1:30 hoặc 1:02:03.5): “%2”</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end (%1) phải sau --start (%2)</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end phải sau điểm đầu: “%1”</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality không áp dụng cho copy, vốn không mã hóa lại gì</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size không áp dụng cho copy, vốn không mã hóa lại gì</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>chất lượng %1, %2 (tốt nhất) đến %3</translation>
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
        <translation>Tùy chọn:
  -f, --format NAME      định dạng đầu ra, một trong:
%1
  -b, --bitrate KBITS    tốc độ bit video tính bằng kilobit mỗi giây
                         (mặc định: của chính định dạng, xem --list-formats)
  -r, --rotate NAME      none (mặc định), cw, ccw, vflip, hflip, 180
  -o, --output DIR       thư mục đầu ra, tự tạo nếu chưa có (mặc định
                         ./output)
      --web              cho web: tệp MP4 và MOV có chỉ mục ở đầu, nên
                         trình duyệt phát được ngay khi đang tải về
      --sdr              HDR sang SDR: nguồn HDR thành SDR ở mọi định dạng;
                         nếu không có, H.265, AV1 và VP9 giữ HDR 10 bit
      --crop             cắt các dải đen mà mọi hình đều có
      --loudness TARGET  âm thanh mọi tệp ở cùng một độ to, đỉnh thực dưới
                         -1 dBTP: ebu (-23 LUFS), stream (-14), podcast (-16),
                         hoặc một số LUFS từ -40 đến -5
  -j, --jobs N           N chuyển đổi cùng lúc; “auto” để mỗi lõi một
                         chuyển đổi
      --disc DIR         đưa vào hàng đợi các tệp tiêu đề trong VIDEO_TS của
                         DVD hoặc BDMV/STREAM của Blu-ray dưới DIR
                         (có thể lặp lại)
  -n, --dry-run          in lệnh của từng tệp, không chuyển đổi gì
      --json             mỗi dòng một sự kiện JSON trên đầu ra chuẩn
      --list-formats     in các định dạng cùng tốc độ bit mặc định
  -h, --help             văn bản này
  -v, --version          phiên bản chương trình</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop không áp dụng cho copy, vốn không mã hóa lại gì</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>nơi không xác định “%1” cho --for (một trong: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1 tự chọn định dạng và kích thước: hãy bỏ %2</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>Thay cho định dạng và kích thước, nơi tệp được gửi đến:
      --for NAME         định dạng và tệp lớn nhất của nơi đó, một trong:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, tối đa %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, chỉ mục ở đầu</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>Không có gì trên màn hình nền này mở được trợ giúp. Trợ giúp nằm tại:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>Không có gì trên màn hình nền này mở được hướng dẫn. Hướng dẫn nằm tại:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>Không có gì trên màn hình nền này mở được trang sản phẩm. Địa chỉ trang:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>Màn hình nền này không có chương trình thư điện tử. Địa chỉ là:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>Thêm tệp</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>Thêm thư mục</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Xóa</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>Xóa tất cả</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>Đọc DVD</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Bắt đầu</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>Cài đặt...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Trợ giúp</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>Hướng dẫn</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>Trang sản phẩm</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>Gửi phản hồi</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>Mở thư mục nhật ký</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>Không có gì trên màn hình nền này mở được thư mục nhật ký. Thư mục nằm tại:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Xoay</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>Cho web</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>Tệp MP4 và MOV có chỉ mục ở đầu, để trình duyệt phát được ngay khi đang tải về</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>Số chuyển đổi cùng lúc</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Tự động</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>Đã chuyển đổi 1 tệp</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>Đã chuyển đổi %n tệp</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, %1 tệp thất bại.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>Đã dừng xử lý hàng loạt</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>Đã xong xử lý hàng loạt</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR sang SDR</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>Video HDR trở thành video SDR thông thường ở mọi định dạng, kể cả H.265, AV1 và VP9, vốn nếu không sẽ giữ HDR</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>Khoảng thời gian...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>Cân bằng độ to</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Tắt</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>Phát sóng, EBU R128 (-23 LUFS)</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>Podcast (-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>Streaming (-14 LUFS)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Đầu ra</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>Cắt viền đen</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>Mỗi hình được cắt lấy phần nằm bên trong các dải đen trên dưới hoặc hai bên</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>Cài đặt</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>Báo bằng âm thanh khi xong</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>Bật</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Tắt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Quay lại</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>Cắt nhạc</translation>
    </message>
</context>
</TS>
