<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko" sourcelanguage="en">
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>저장하지 않고 닫기</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>모두 저장</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>예(&amp;Y)</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>모두 예(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>아니요(&amp;N)</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>모두 아니요(&amp;O)</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>중단</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>무시</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>무시</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>적용</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>기본값 복원</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Tarnwick is running but did not take the files: %1</source>
        <translation>Tarnwick이 실행 중이지만 파일을 받지 않았습니다: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchDriver</name>
    <message>
        <source>The batch stopped: the output folder takes no more files.</source>
        <translation>일괄 변환이 중지되었습니다: 출력 폴더에 더 이상 파일을 넣을 수 없습니다.</translation>
    </message>
    <message>
        <source>1 file is left in the queue.</source>
        <translation>대기열에 파일 1개가 남아 있습니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n files are left in the queue.</source>
        <translation>
            <numerusform>대기열에 파일 %n개가 남아 있습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>log: %1</source>
        <translation>로그: %1</translation>
    </message>
</context>
<context>
    <name>tarnwick::BatchWindowSteps</name>
    <message>
        <source>Please add a file.</source>
        <translation>파일을 추가하십시오.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>추가</translation>
    </message>
    <message>
        <source>Stopped.</source>
        <translation>중지됨.</translation>
    </message>
    <message>
        <source>Done.</source>
        <translation>완료.</translation>
    </message>
    <message>
        <source>1 file could not be converted:</source>
        <translation>파일 1개를 변환하지 못했습니다:</translation>
    </message>
    <message numerus="yes">
        <source>%n files could not be converted:</source>
        <translation>
            <numerusform>파일 %n개를 변환하지 못했습니다:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::Converter</name>
    <message>
        <source>No output format is chosen</source>
        <translation>출력 형식을 선택하지 않았습니다</translation>
    </message>
    <message>
        <source>the encoder printed nothing</source>
        <translation>인코더가 아무것도 출력하지 않았습니다</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>중지됨</translation>
    </message>
    <message>
        <source>The encoder stopped unexpectedly.</source>
        <translation>인코더가 예기치 않게 중지되었습니다.</translation>
    </message>
    <message>
        <source>its picture is Dolby Vision profile %1, whose colours only a Dolby Vision player shows; Same as Source (Copy) keeps it as it is</source>
        <translation>화면이 Dolby Vision 프로필 %1이어서 색이 Dolby Vision 플레이어에서만 제대로 표시됩니다. 원본과 동일(복사)은 그대로 유지합니다</translation>
    </message>
    <message>
        <source>the temporary folder %1 cannot be used for the first pass&apos;s log</source>
        <translation>임시 폴더 %1을(를) 첫 번째 패스의 로그에 사용할 수 없습니다</translation>
    </message>
    <message>
        <source>it came out at %1 of the target %2: the picture needs no more</source>
        <translation>결과가 목표 %2 중 %1입니다: 영상에 더 필요하지 않습니다</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, above the target %4</source>
        <translation>%1 kb/s로 다시 인코딩했습니다: %2 kb/s에서는 결과가 %3(으)로 목표 %4보다 컸습니다</translation>
    </message>
    <message>
        <source>encoded again at %1 kb/s: at %2 kb/s it came out at %3, well below the target %4</source>
        <translation>%1 kb/s로 다시 인코딩했습니다: %2 kb/s에서는 결과가 %3(으)로 목표 %4보다 훨씬 작았습니다</translation>
    </message>
    <message>
        <source>it came out at %1, above the target %2, however it was encoded</source>
        <translation>결과가 %1(으)로 목표 %2보다 큽니다. 어떻게 인코딩해도 마찬가지입니다</translation>
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
        <translation>이메일 (25 MB)</translation>
    </message>
</context>
<context>
    <name>tarnwick::EncoderCheck</name>
    <message>
        <source>%1 is a link to %2, which is not there.</source>
        <translation>%1은(는) %2에 대한 링크이지만, 대상이 없습니다.</translation>
    </message>
    <message>
        <source>%1 is not a program.</source>
        <translation>%1은(는) 프로그램이 아닙니다.</translation>
    </message>
    <message>
        <source>%1 is not there.</source>
        <translation>%1이(가) 없습니다.</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is not installed. Install it (on Debian and Ubuntu: apt install ffmpeg), then link the encoder to it:</source>
        <translation>Tarnwick은 FFmpeg로 변환하지만 FFmpeg가 설치되어 있지 않습니다. FFmpeg를 설치한 다음(Debian 및 Ubuntu: apt install ffmpeg) 인코더를 FFmpeg에 링크하십시오:</translation>
    </message>
    <message>
        <source>Tarnwick converts with FFmpeg, which is installed as %1. Link the encoder to it:</source>
        <translation>Tarnwick은 FFmpeg로 변환하며, FFmpeg는 %1에 설치되어 있습니다. 인코더를 FFmpeg에 링크하십시오:</translation>
    </message>
    <message>
        <source>The encoder is missing, so nothing can be converted.</source>
        <translation>인코더가 없어서 아무것도 변환할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>tarnwick::MadeForMenu</name>
    <message>
        <source>Made For</source>
        <translation>보낼 곳</translation>
    </message>
    <message>
        <source>Where the files go: the format and the largest file that place takes</source>
        <translation>파일을 보낼 곳: 그곳에 맞는 형식과 최대 파일 크기</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no place chosen</comment>
        <translation>없음</translation>
    </message>
</context>
<context>
    <name>tarnwick::MainWidgets</name>
    <message>
        <source>Drop your videos here, or click to begin.
Read a DVD or Blu-ray disc with &quot;Read DVD&quot; above.</source>
        <extracomment>Two lines on the welcome panel; &quot;Read DVD&quot; is the caption of the button above it.</extracomment>
        <translation>동영상을 여기에 놓거나 클릭하여 시작하십시오.
DVD 또는 Blu-ray 디스크는 위의 &quot;DVD 읽기&quot;로 읽습니다.</translation>
    </message>
    <message>
        <source>Select a DVD Drive:</source>
        <translation>DVD 드라이브 선택:</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <comment>the narrow button beside the drive list</comment>
        <translation>DVD 읽기</translation>
    </message>
    <message>
        <source>File List:</source>
        <translation>파일 목록:</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>파일 추가</translation>
    </message>
    <message>
        <source>Add Files from a Folder</source>
        <translation>폴더에서 파일 추가</translation>
    </message>
    <message>
        <source>Remove the Selected from List</source>
        <translation>선택한 항목을 목록에서 제거</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Remove All Files</source>
        <translation>모든 파일 제거</translation>
    </message>
    <message>
        <source>Output Format:</source>
        <translation>출력 형식:</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>출력 형식</translation>
    </message>
    <message>
        <source>Video Quality (Bitrate - K):</source>
        <translation>동영상 품질(비트레이트 - K):</translation>
    </message>
    <message>
        <source>Video Bitrate</source>
        <translation>동영상 비트레이트</translation>
    </message>
    <message>
        <source>Output Path:</source>
        <translation>출력 경로:</translation>
    </message>
    <message>
        <source>Select a Folder to Output</source>
        <translation>출력할 폴더 선택</translation>
    </message>
    <message>
        <source>Select an Output Folder</source>
        <translation>출력 폴더 선택</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>피드백</translation>
    </message>
    <message>
        <source>Send us your suggestion or question</source>
        <translation>제안이나 질문을 보내 주십시오</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>모든 명령</translation>
    </message>
    <message>
        <source>Add a new file to file list</source>
        <translation>파일 목록에 새 파일 추가</translation>
    </message>
    <message>
        <source>Remove a file from file list</source>
        <translation>파일 목록에서 파일 제거</translation>
    </message>
    <message>
        <source>Start Converting</source>
        <translation>변환 시작</translation>
    </message>
    <message>
        <source>Help &amp; Tutorial</source>
        <translation>도움말 및 튜토리얼</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Minimize Window</source>
        <translation>창 최소화</translation>
    </message>
    <message>
        <source>Drag media files onto this DropZone</source>
        <translation>미디어 파일을 이 영역으로 끌어 놓으십시오</translation>
    </message>
    <message>
        <source>Rotate:</source>
        <translation>회전:</translation>
    </message>
    <message>
        <source>Rotate Setting</source>
        <translation>회전 설정</translation>
    </message>
    <message>
        <source>file %1 of %2</source>
        <translation>파일 %1/%2</translation>
    </message>
    <message>
        <source>, %1 left</source>
        <translation>, %1 남음</translation>
    </message>
    <message>
        <source>Video bitrate in kilobits per second</source>
        <translation>동영상 비트레이트(초당 킬로비트)</translation>
    </message>
    <message>
        <source>Product page</source>
        <translation>제품 페이지</translation>
    </message>
    <message>
        <source>Choose the output folder</source>
        <translation>출력 폴더 선택</translation>
    </message>
    <message>
        <source>All commands</source>
        <translation>모든 명령</translation>
    </message>
    <message>
        <source>Progress of the current file</source>
        <translation>현재 파일 진행률</translation>
    </message>
    <message>
        <source>Start Ripping Now!</source>
        <translation>지금 변환!</translation>
    </message>
</context>
<context>
    <name>tarnwick::OpenFileDialog</name>
    <message>
        <source>Select a folder:</source>
        <translation>폴더 선택:</translation>
    </message>
</context>
<context>
    <name>tarnwick::OptionsEditor</name>
    <message>
        <source>分钟必须小于60</source>
        <translation>분은 60보다 작아야 합니다</translation>
    </message>
    <message>
        <source>分钟</source>
        <translation>분</translation>
    </message>
    <message>
        <source>秒必须小于60</source>
        <translation>초는 60보다 작아야 합니다</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>초</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputNames</name>
    <message>
        <source>The output folder could not be created:

%1</source>
        <translation>출력 폴더를 만들 수 없습니다:

%1</translation>
    </message>
    <message>
        <source>The output folder cannot be written:

%1

%2</source>
        <translation>출력 폴더에 쓸 수 없습니다:

%1

%2</translation>
    </message>
</context>
<context>
    <name>tarnwick::OutputPresets</name>
    <message>
        <source>MP4(High Quality MPEG4 Video)</source>
        <translation>MP4(고품질 MPEG4 동영상)</translation>
    </message>
    <message>
        <source>MP4(H264 Video)</source>
        <translation>MP4(H264 동영상)</translation>
    </message>
    <message>
        <source>AVI(Standard MPEG4 Video)</source>
        <translation>AVI(표준 MPEG4 동영상)</translation>
    </message>
    <message>
        <source>MOV(Apple/QuickTime Video)</source>
        <translation>MOV(Apple/QuickTime 동영상)</translation>
    </message>
    <message>
        <source>FLV(Flash Video)</source>
        <translation>FLV(Flash 동영상)</translation>
    </message>
    <message>
        <source>WMV(Windows Media Video)</source>
        <translation>WMV(Windows Media Video)</translation>
    </message>
    <message>
        <source>MPG(MPEG1 Video)</source>
        <translation>MPG(MPEG1 동영상)</translation>
    </message>
    <message>
        <source>MP4(H265/HEVC Video)</source>
        <translation>MP4(H.265/HEVC 동영상)</translation>
    </message>
    <message>
        <source>MP4(AV1 Video)</source>
        <translation>MP4(AV1 동영상)</translation>
    </message>
    <message>
        <source>WebM(AV1 Video)</source>
        <translation>WebM(AV1 동영상)</translation>
    </message>
    <message>
        <source>WebM(VP9 Video)</source>
        <translation>WebM(VP9 동영상)</translation>
    </message>
    <message>
        <source>MKV(H264 Video)</source>
        <translation>MKV(H.264 동영상)</translation>
    </message>
    <message>
        <source>Same as Source (Copy)</source>
        <translation>원본과 동일(복사)</translation>
    </message>
    <message>
        <source>quantiser</source>
        <translation>양자화 값</translation>
    </message>
</context>
<context>
    <name>tarnwick::ProcessRunner</name>
    <message>
        <source>Command Line empty</source>
        <translation>명령줄이 비어 있음</translation>
    </message>
    <message>
        <source>CreatePipe failed. Error: </source>
        <translation>CreatePipe 실패. 오류: </translation>
    </message>
    <message>
        <source>File or command not found</source>
        <translation>파일 또는 명령을 찾을 수 없음</translation>
    </message>
</context>
<context>
    <name>tarnwick::Queue</name>
    <message>
        <source>Filename</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>형식</translation>
    </message>
</context>
<context>
    <name>tarnwick::RateMenu</name>
    <message>
        <source>Constant Quality</source>
        <translation>고정 품질</translation>
    </message>
    <message>
        <source>The same quality whatever the size: the format&apos;s quality levels instead of bitrates</source>
        <translation>크기와 관계없이 같은 품질: 비트레이트 대신 형식의 품질 단계 사용</translation>
    </message>
    <message>
        <source>Target Size...</source>
        <translation>목표 크기...</translation>
    </message>
    <message>
        <source>The largest the whole file may be, sound included; it comes out at most that and close to it</source>
        <translation>소리를 포함한 전체 파일의 최대 크기. 결과는 이 크기 이하이며 이에 가깝습니다</translation>
    </message>
    <message>
        <source>Target Size: %1...</source>
        <translation>목표 크기: %1...</translation>
    </message>
    <message>
        <source>Target Size (the whole file):</source>
        <translation>목표 크기(전체 파일):</translation>
    </message>
    <message>
        <source>Target size, set in the menu</source>
        <translation>목표 크기, 메뉴에서 설정됨</translation>
    </message>
    <message>
        <source>Constant quality: lower numbers look better and take more space</source>
        <translation>고정 품질: 숫자가 낮을수록 화질이 좋고 용량이 큽니다</translation>
    </message>
    <message>
        <source>Target Size</source>
        <translation>목표 크기</translation>
    </message>
    <message>
        <source>The most the whole file may take, sound included, in megabytes as file managers count them (1 MB = 1,000,000 bytes), or with K or G after the number: 25M, 700MB, 4G.
Empty: no target, the bitrate or quality again.</source>
        <translation>소리를 포함한 전체 파일이 차지할 수 있는 최대 크기. 파일 관리자와 같은 방식의 메가바이트(1 MB = 1,000,000바이트)로 입력하거나 숫자 뒤에 K나 G를 붙이십시오: 25M, 700MB, 4G.
비워 두면 목표 없이 다시 비트레이트나 품질을 사용합니다.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a size. Write a number of megabytes, or a number with K, M or G after it: 25M, 700MB, 4G.</source>
        <translation>&apos;%1&apos;은(는) 크기가 아닙니다. 메가바이트 수 또는 뒤에 K, M, G를 붙인 숫자를 입력하십시오: 25M, 700MB, 4G.</translation>
    </message>
    <message>
        <source>Video Quality (%1):</source>
        <extracomment>The caption of the quality list in the bitrate list&apos;s place; %1 is the scale, CRF or quantiser.</extracomment>
        <translation>동영상 품질(%1):</translation>
    </message>
</context>
<context>
    <name>tarnwick::Rotation</name>
    <message>
        <source>90 Degree Clockwise</source>
        <translation>시계 방향 90도</translation>
    </message>
    <message>
        <source>90 Degree Anticlockwise</source>
        <translation>시계 반대 방향 90도</translation>
    </message>
    <message>
        <source>Vertical Mirror</source>
        <translation>상하 반전</translation>
    </message>
    <message>
        <source>Horizontal Mirror</source>
        <translation>좌우 반전</translation>
    </message>
    <message>
        <source>180 Degree</source>
        <translation>180도</translation>
    </message>
    <message>
        <source>None</source>
        <translation>없음</translation>
    </message>
</context>
<context>
    <name>tarnwick::Session</name>
    <message>
        <source>The last batch was interrupted with 1 file left. Queue it again?</source>
        <translation>지난 일괄 변환이 중단되어 파일 1개가 남아 있습니다. 다시 대기열에 넣으시겠습니까?</translation>
    </message>
    <message numerus="yes">
        <source>The last batch was interrupted with %n files left. Queue them again?</source>
        <translation>
            <numerusform>지난 일괄 변환이 중단되어 파일 %n개가 남아 있습니다. 다시 대기열에 넣으시겠습니까?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>tarnwick::SizePlan</name>
    <message>
        <source>its length is not known, so no size can be aimed at</source>
        <translation>길이를 알 수 없어 목표 크기를 맞출 수 없습니다</translation>
    </message>
    <message>
        <source>%1 is less than the sound alone needs; the smallest size that works is %2</source>
        <translation>%1은(는) 소리에만 필요한 크기보다 작습니다. 가능한 최소 크기는 %2입니다</translation>
    </message>
    <message>
        <source>%1 leaves too little for a picture worth watching; the smallest size that works is %2</source>
        <translation>%1(으)로는 볼 만한 영상을 만들기에 너무 작습니다. 가능한 최소 크기는 %2입니다</translation>
    </message>
</context>
<context>
    <name>tarnwick::SleepInhibitor</name>
    <message>
        <source>Converting videos</source>
        <translation>동영상 변환 중</translation>
    </message>
</context>
<context>
    <name>tarnwick::SoundLevel</name>
    <message>
        <source>unknown loudness &quot;%1&quot;: choose ebu (-23 LUFS), stream (-14 LUFS), podcast (-16 LUFS), off, or a number of LUFS from -40 to -5</source>
        <translation>알 수 없는 음량 &apos;%1&apos;: ebu(-23 LUFS), stream(-14 LUFS), podcast(-16 LUFS), off 또는 -40에서 -5 사이의 LUFS 값을 선택하세요</translation>
    </message>
</context>
<context>
    <name>tarnwick::SourceCommands</name>
    <message>
        <source>Drop Your Video Files Here</source>
        <translation>여기에 동영상 파일 놓기</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>검색 중...</translation>
    </message>
    <message>
        <source>The queue is full: it holds at most %1 files. 1 file was not added.</source>
        <translation>대기열이 가득 찼습니다: 최대 %1개까지 넣을 수 있습니다. 파일 1개를 추가하지 않았습니다.</translation>
    </message>
    <message numerus="yes">
        <source>The queue is full: it holds at most %1 files. %n files were not added.</source>
        <translation>
            <numerusform>대기열이 가득 찼습니다: 최대 %1개까지 넣을 수 있습니다. 파일 %n개를 추가하지 않았습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>1 file was not added: its name is not valid UTF-8.</source>
        <translation>파일 1개를 추가하지 않았습니다: 이름이 올바른 UTF-8이 아닙니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n files were not added: their names are not valid UTF-8.</source>
        <translation>
            <numerusform>파일 %n개를 추가하지 않았습니다: 이름이 올바른 UTF-8이 아닙니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Open Files</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>All formats</source>
        <translation>모든 형식</translation>
    </message>
    <message>
        <source>Please select a DVD Drive</source>
        <translation>DVD 드라이브를 선택하십시오</translation>
    </message>
    <message>
        <source>DVD</source>
        <translation>DVD</translation>
    </message>
    <message>
        <source>Drag your Video Here</source>
        <translation>여기로 동영상 끌어 오기</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>파일 열기</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRange</name>
    <message>
        <source>the time range ends at %1, which is not after its start at %2</source>
        <translation>시간 범위의 끝 %1이(가) 시작 %2보다 뒤가 아닙니다</translation>
    </message>
    <message>
        <source>the time range starts at %1, but the video is only %2 long</source>
        <translation>시간 범위가 %1에 시작하지만 동영상 길이는 %2뿐입니다</translation>
    </message>
    <message>
        <source>The start &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>시작 &apos;%1&apos;은(는) 시간이 아닙니다. 초, m:ss 또는 h:mm:ss로 입력하십시오(예: 90, 1:30, 1:02:03.5).</translation>
    </message>
    <message>
        <source>The end &quot;%1&quot; is not a time. Type seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5.</source>
        <translation>끝 &apos;%1&apos;은(는) 시간이 아닙니다. 초, m:ss 또는 h:mm:ss로 입력하십시오(예: 90, 1:30, 1:02:03.5).</translation>
    </message>
    <message>
        <source>The end must come after the start.</source>
        <translation>끝은 시작보다 뒤여야 합니다.</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <extracomment>A queued file&apos;s time range: its start and its end.</extracomment>
        <translation>%1~%2</translation>
    </message>
    <message>
        <source>from %1</source>
        <translation>%1부터</translation>
    </message>
    <message>
        <source>up to %1</source>
        <translation>%1까지</translation>
    </message>
</context>
<context>
    <name>tarnwick::TimeRangeDialog</name>
    <message>
        <source>Time Range</source>
        <translation>시간 범위</translation>
    </message>
    <message>
        <source>the beginning</source>
        <translation>처음</translation>
    </message>
    <message>
        <source>the end</source>
        <translation>끝</translation>
    </message>
    <message>
        <source>Seconds, m:ss or h:mm:ss, such as 90, 1:30 or 1:02:03.5. Leave a time empty for the beginning or the end.</source>
        <translation>초, m:ss 또는 h:mm:ss(예: 90, 1:30, 1:02:03.5). 시간을 비워 두면 처음 또는 끝을 뜻합니다.</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>시작:</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>끝:</translation>
    </message>
</context>
<context>
    <name>tarnwick::cli</name>
    <message>
        <source>Usage: tarnwick-cli [options] SOURCE...</source>
        <translation>사용법: tarnwick-cli [옵션] SOURCE...</translation>
    </message>
    <message>
        <source>Converts video files with the FFmpeg encoder, one file per SOURCE or every
file a folder search finds (a folder&apos;s own files, and the VOB and M2TS title
files in the folders below it; links to folders are not followed).</source>
        <translation>FFmpeg 인코더로 동영상 파일을 변환합니다. SOURCE마다 파일 하나, 또는
폴더 검색으로 찾은 모든 파일(폴더 자체의 파일과 하위 폴더의 VOB 및 M2TS
타이틀 파일, 폴더 링크는 따라가지 않음)을 변환합니다.</translation>
    </message>
    <message>
        <source>Outputs are named &lt;source name&gt;_&lt;hour&gt;&lt;minute&gt;&lt;second&gt;.&lt;extension&gt;; a name
already taken gets _2, _3, ... Nothing in the output folder is overwritten,
and an output that did not finish is removed.</source>
        <translation>출력 파일 이름은 &lt;원본 이름&gt;_&lt;시&gt;&lt;분&gt;&lt;초&gt;.&lt;확장자&gt;이며, 이미 있는
이름에는 _2, _3, ...이 붙습니다. 출력 폴더의 파일은 덮어쓰지 않으며,
완료되지 않은 출력 파일은 삭제됩니다.</translation>
    </message>
    <message>
        <source>Exit status: 0 all converted, 1 one or more failed, 2 bad usage, 3 no
encoder (FFmpeg, linked as data/conv.exe in the program folder, is missing),
130 stopped by Ctrl+C or a termination signal.</source>
        <translation>종료 상태: 0 모두 변환됨, 1 하나 이상 실패, 2 잘못된 사용법, 3 인코더
없음(프로그램 폴더에 data/conv.exe로 링크된 FFmpeg가 없음), 130 Ctrl+C
또는 종료 신호로 중지됨.</translation>
    </message>
    <message>
        <source>--%1 given more than once</source>
        <translation>--%1이(가) 두 번 이상 지정됨</translation>
    </message>
    <message>
        <source>unknown format &apos;%1&apos; (one of: %2)</source>
        <translation>알 수 없는 형식 &apos;%1&apos;(다음 중 하나: %2)</translation>
    </message>
    <message>
        <source>bitrate must be a whole number of kilobits per second (1 to 1000000): &apos;%1&apos;</source>
        <translation>비트레이트는 초당 킬로비트 단위의 정수여야 합니다(1~1000000): &apos;%1&apos;</translation>
    </message>
    <message>
        <source>unknown rotation &apos;%1&apos; (one of: %2)</source>
        <translation>알 수 없는 회전 &apos;%1&apos;(다음 중 하나: %2)</translation>
    </message>
    <message>
        <source>--output needs a folder</source>
        <translation>--output에는 폴더가 필요합니다</translation>
    </message>
    <message>
        <source>--jobs takes a number from 1 to 256 or &apos;auto&apos;: &apos;%1&apos;</source>
        <translation>--jobs에는 1~256 사이의 숫자 또는 &apos;auto&apos;를 지정해야 합니다: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--bitrate does not apply to copy, which re-encodes nothing</source>
        <translation>--bitrate는 copy에 적용되지 않습니다(copy는 다시 인코딩하지 않음)</translation>
    </message>
    <message>
        <source>--rotate does not apply to copy, which re-encodes nothing</source>
        <translation>--rotate는 copy에 적용되지 않습니다(copy는 다시 인코딩하지 않음)</translation>
    </message>
    <message>
        <source>no SOURCE given</source>
        <translation>SOURCE가 지정되지 않음</translation>
    </message>
    <message>
        <source>converted %1 -&gt; %2</source>
        <translation>변환됨 %1 -&gt; %2</translation>
    </message>
    <message>
        <source>failed %1: %2</source>
        <translation>실패 %1: %2</translation>
    </message>
    <message>
        <source>%1 converted, %2 failed%3 in %4</source>
        <translation>변환 %1개, 실패 %2개%3, 소요 시간 %4</translation>
    </message>
    <message>
        <source>, stopped</source>
        <translation>, 중지됨</translation>
    </message>
    <message>
        <source>%1  %2%  file %3 of %4</source>
        <translation>%1  %2%  파일 %3/%4</translation>
    </message>
    <message>
        <source>  (+%1 running)</source>
        <translation>  (+%1개 실행 중)</translation>
    </message>
    <message>
        <source>  %1 left</source>
        <translation>  %1 남음</translation>
    </message>
    <message>
        <source>Try &apos;tarnwick-cli --help&apos; for more.</source>
        <translation>자세한 내용은 &apos;tarnwick-cli --help&apos;를 참조하십시오.</translation>
    </message>
    <message>
        <source>nothing to convert</source>
        <translation>변환할 파일 없음</translation>
    </message>
    <message>
        <source>%1 (default)</source>
        <extracomment>The first format in --help&apos;s list, the one used without --format.</extracomment>
        <translation>%1(기본값)</translation>
    </message>
    <message>
        <source>--sdr does not apply to copy, which re-encodes nothing</source>
        <translation>--sdr 옵션은 copy에 적용되지 않습니다(copy는 다시 인코딩하지 않음)</translation>
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
        <translation>비트레이트 대신:
  -q, --quality N        형식 고유 척도의 고정 품질: H.264, H.265, AV1,
                         VP9는 CRF, MPEG-4, MPEG-1, WMV는 양자화 값,
                         낮을수록 좋음(척도와 기본값은 --list-formats 참조)
      --size SIZE        소리를 포함한 전체 파일을 SIZE 이하로, 그에 가깝게:
                         25M, 700MB, 4G, 파일 관리자와 같은 10진 단위
                         (1M = 1,000,000바이트, MiB와 GiB는 2진), 인코더가
                         지원하면 2패스</translation>
    </message>
    <message>
        <source>A part of each source, by times T in seconds, m:ss or h:mm:ss, each with a
fraction if wanted (90, 1:30, 1:02:03.5):
      --start T          from T; copy begins at the key frame at or before T
      --end T            up to T; an end past a source&apos;s end is its end</source>
        <translation>각 원본의 일부, 시간 T는 초, m:ss 또는 h:mm:ss, 필요하면 소수 포함
(90, 1:30, 1:02:03.5):
      --start T          T부터, copy는 T 또는 그 이전의 키 프레임에서 시작
      --end T            T까지, 원본 끝을 넘는 끝은 원본의 끝</translation>
    </message>
    <message>
        <source>--bitrate, --quality and --size each rate the picture: give one of them</source>
        <translation>--bitrate, --quality, --size는 모두 화질을 정합니다: 하나만 지정하십시오</translation>
    </message>
    <message>
        <source>quality for %1 must be a whole number from %2 (best) to %3: &apos;%4&apos;</source>
        <translation>%1의 품질은 %2(최고)~%3 사이의 정수여야 합니다: &apos;%4&apos;</translation>
    </message>
    <message>
        <source>size must be a number of megabytes, or with K, M or G after it (25M, 700MB, 4G): &apos;%1&apos;</source>
        <translation>크기는 메가바이트 수이거나 뒤에 K, M, G를 붙인 숫자여야 합니다(25M, 700MB, 4G): &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--%1 takes a time in seconds, m:ss or h:mm:ss (such as 90, 1:30 or 1:02:03.5): &apos;%2&apos;</source>
        <translation>--%1에는 초, m:ss 또는 h:mm:ss 형식의 시간을 지정해야 합니다(예: 90, 1:30, 1:02:03.5): &apos;%2&apos;</translation>
    </message>
    <message>
        <source>--end (%1) must come after --start (%2)</source>
        <translation>--end(%1)는 --start(%2)보다 뒤여야 합니다</translation>
    </message>
    <message>
        <source>--end must come after the beginning: &apos;%1&apos;</source>
        <translation>--end는 처음보다 뒤여야 합니다: &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--quality does not apply to copy, which re-encodes nothing</source>
        <translation>--quality는 copy에 적용되지 않습니다(copy는 다시 인코딩하지 않음)</translation>
    </message>
    <message>
        <source>--size does not apply to copy, which re-encodes nothing</source>
        <translation>--size는 copy에 적용되지 않습니다(copy는 다시 인코딩하지 않음)</translation>
    </message>
    <message>
        <source>quality %1, %2 (best) to %3</source>
        <extracomment>A line under a format in --list-formats: its constant quality option and range.</extracomment>
        <translation>품질 %1, %2(최고)~%3</translation>
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
        <translation>옵션:
  -f, --format NAME      출력 형식, 다음 중 하나:
%1
  -b, --bitrate KBITS    동영상 비트레이트(초당 킬로비트)
                         (기본값: 형식별 값, --list-formats 참조)
  -r, --rotate NAME      none(기본값), cw, ccw, vflip, hflip, 180
  -o, --output DIR       출력 폴더, 없으면 만듦(기본값 ./output)
      --web              웹용: MP4와 MOV 파일의 인덱스를 앞에 두어
                         브라우저가 받는 동안 재생할 수 있게 함
      --sdr              HDR을 SDR로: HDR 원본을 모든 형식에서 SDR로 변환;
                         지정하지 않으면 H.265, AV1, VP9는 HDR을 10비트로 유지
      --crop             모든 화면에 공통된 검은 띠를 잘라냄
      --loudness TARGET  모든 파일의 소리를 같은 음량으로, 트루 피크는
                         -1 dBTP 미만: ebu(-23 LUFS), stream(-14),
                         podcast(-16) 또는 LUFS 값(-40~-5)
  -j, --jobs N           동시에 N개 변환, &quot;auto&quot;는 코어당 하나
      --disc DIR         DIR 아래에 있는 DVD의 VIDEO_TS 또는 Blu-ray의
                         BDMV/STREAM 타이틀 파일을 대기열에 추가(반복 가능)
  -n, --dry-run          각 파일의 명령을 출력하고 변환하지 않음
      --json             표준 출력에 한 줄에 JSON 이벤트 하나씩 출력
      --list-formats     형식과 기본 비트레이트 출력
  -h, --help             이 도움말
  -v, --version          프로그램 버전</translation>
    </message>
    <message>
        <source>--crop does not apply to copy, which re-encodes nothing</source>
        <translation>--crop 옵션은 copy에 적용되지 않습니다(copy는 다시 인코딩하지 않음)</translation>
    </message>
    <message>
        <source>unknown place &apos;%1&apos; for --for (one of: %2)</source>
        <translation>--for에 알 수 없는 보낼 곳 &apos;%1&apos;(다음 중 하나: %2)</translation>
    </message>
    <message>
        <source>--for %1 chooses the format and the size itself: leave out %2</source>
        <translation>--for %1은(는) 형식과 크기를 스스로 고릅니다: %2은(는) 빼세요</translation>
    </message>
    <message>
        <source>Instead of a format and a size, where the file goes:
      --for NAME         that place&apos;s format and largest file, one of:</source>
        <translation>형식과 크기 대신 파일을 보낼 곳:
      --for NAME         그곳에 맞는 형식과 최대 파일 크기, 다음 중 하나:</translation>
    </message>
    <message>
        <source>%1, at most %2</source>
        <extracomment>A line under --for in --help: %1 the format&apos;s -f name, %2 a size such as 10 MB.</extracomment>
        <translation>%1, 최대 %2</translation>
    </message>
    <message>
        <source>%1, index first</source>
        <translation>%1, 인덱스를 앞에</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmMain</name>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the help. It is at:

%1</source>
        <translation>이 데스크톱에는 도움말을 열 수 있는 프로그램이 없습니다. 위치:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the tutorial. It is at:

%1</source>
        <translation>이 데스크톱에는 튜토리얼을 열 수 있는 프로그램이 없습니다. 위치:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the product page. It is at:

%1</source>
        <translation>이 데스크톱에는 제품 페이지를 열 수 있는 프로그램이 없습니다. 주소:

%1</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the mail program. It is at:

%1</source>
        <translation>이 데스크톱에는 메일 프로그램이 없습니다. 주소:

%1</translation>
    </message>
    <message>
        <source>Add a File</source>
        <translation>파일 추가</translation>
    </message>
    <message>
        <source>Add a Folder</source>
        <translation>폴더 추가</translation>
    </message>
    <message>
        <source>Ctrl+Shift+O</source>
        <translation>Ctrl+Shift+O</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Remove All</source>
        <translation>모두 제거</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Del</source>
        <translation>Ctrl+Shift+Del</translation>
    </message>
    <message>
        <source>Read DVD</source>
        <translation>DVD 읽기</translation>
    </message>
    <message>
        <source>Ctrl+D</source>
        <translation>Ctrl+D</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Ctrl+Return</source>
        <translation>Ctrl+Return</translation>
    </message>
    <message>
        <source>Options...</source>
        <translation>설정...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Tutorial</source>
        <translation>튜토리얼</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Product Page</source>
        <translation>제품 페이지</translation>
    </message>
    <message>
        <source>Ctrl+Shift+W</source>
        <translation>Ctrl+Shift+W</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>피드백 보내기</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F</source>
        <translation>Ctrl+Shift+F</translation>
    </message>
    <message>
        <source>Open the Logs Folder</source>
        <translation>로그 폴더 열기</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Nothing on this desktop opens the logs folder. It is at:

%1</source>
        <translation>이 데스크톱에는 로그 폴더를 열 수 있는 프로그램이 없습니다. 위치:

%1</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>회전</translation>
    </message>
    <message>
        <source>Made for the Web</source>
        <translation>웹 최적화</translation>
    </message>
    <message>
        <source>MP4 and MOV files with their index at the front, so that a browser plays them as they arrive</source>
        <translation>MP4 및 MOV 파일의 인덱스를 앞에 두어 브라우저가 받는 동안 재생할 수 있게 합니다</translation>
    </message>
    <message>
        <source>Conversions at Once</source>
        <translation>동시 변환 수</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>자동</translation>
    </message>
    <message>
        <source>1 file converted</source>
        <translation>파일 1개 변환됨</translation>
    </message>
    <message numerus="yes">
        <source>%n files converted</source>
        <translation>
            <numerusform>파일 %n개 변환됨</numerusform>
        </translation>
    </message>
    <message>
        <source>.</source>
        <comment>ends the sentence of files converted</comment>
        <translation>.</translation>
    </message>
    <message>
        <source>, %1 failed.</source>
        <translation>, %1개 실패.</translation>
    </message>
    <message>
        <source>Batch stopped</source>
        <translation>일괄 변환 중지됨</translation>
    </message>
    <message>
        <source>Batch done</source>
        <translation>일괄 변환 완료</translation>
    </message>
    <message>
        <source>HDR to SDR</source>
        <translation>HDR을 SDR로</translation>
    </message>
    <message>
        <source>HDR video becomes ordinary SDR video in every format, also in H.265, AV1 and VP9, which otherwise keep it in HDR</source>
        <translation>모든 형식에서 HDR 동영상을 일반 SDR 동영상으로 바꿉니다. 이 옵션이 없으면 HDR을 유지하는 H.265, AV1, VP9에도 적용됩니다</translation>
    </message>
    <message>
        <source>Time Range...</source>
        <translation>시간 범위...</translation>
    </message>
    <message>
        <source>Even Loudness</source>
        <translation>음량 평준화</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>Broadcast, EBU R128 (-23 LUFS)</source>
        <translation>방송, EBU R128(-23 LUFS)</translation>
    </message>
    <message>
        <source>Podcast (-16 LUFS)</source>
        <translation>팟캐스트(-16 LUFS)</translation>
    </message>
    <message>
        <source>Streaming (-14 LUFS)</source>
        <translation>스트리밍(-14 LUFS)</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>출력</translation>
    </message>
    <message>
        <source>Crop Black Bars</source>
        <translation>검은 띠 자르기</translation>
    </message>
    <message>
        <source>Each picture cropped to what lies inside its letterbox or pillarbox bars</source>
        <translation>각 화면에서 레터박스나 필러박스 띠 안쪽만 남기고 자름</translation>
    </message>
</context>
<context>
    <name>tarnwick::frmOptions</name>
    <message>
        <source>Setting</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Sound Reminder</source>
        <translation>완료 알림음</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>켜기</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>끄기</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Music Cutter</source>
        <translation>음악 자르기</translation>
    </message>
</context>
</TS>
